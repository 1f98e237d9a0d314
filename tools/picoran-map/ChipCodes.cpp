#include "ChipCodes.h"

#include "core/ChipTable.h"

namespace {

bool FindPaletteEntry(const PaletteModel& palette, const ChipEntry& decoded, ChipEntry& found) {
    for (size_t i = 0; i < palette.EntryCount(); ++i) {
        const ChipEntry& entry = palette.Entries()[i];
        if (entry.chipId != decoded.chipId || entry.layer != decoded.layer) continue;
        found = entry;
        return true;
    }
    return false;
}

}  // namespace

bool ChipOfCode(const std::string& text, const EditorPalettes& palettes, bool eraserAllowed,
                ChipEntry& chip, std::string& reason) {
    uint64_t code = 0;
    bool digits = !text.empty() && text.size() <= 10;
    for (char c : text) {
        digits = digits && c >= '0' && c <= '9';
        code = code * 10 + static_cast<uint64_t>(c - '0');
    }
    if (!digits || code > UINT32_MAX) {
        reason = "\"" + text + "\" is not a chip code";
        return false;
    }
    const std::string name = "chip code " + std::to_string(code);
    const ChipEntry decoded = DecodeChipCode(static_cast<uint32_t>(code));
    if (decoded.chipId == 0) {  // 0, 1000 and 2000
        if (eraserAllowed) {
            chip = kEraserChip;
            return true;
        }
        reason = name + " is the empty chip";
        return false;
    }
    if (!FindPaletteEntry(decoded.layer == 2 ? palettes.Large() : palettes.Small(), decoded, chip)) {
        reason = name + " is in neither chip table";
        return false;
    }
    return true;
}

std::string ChipName(int32_t layer, uint32_t chipId) {
    if (layer < 2 && chipId >= 1000)
        return "layer " + std::to_string(layer) + " chip " + std::to_string(chipId);
    return std::to_string(uint64_t{chipId} + 1000u * static_cast<uint32_t>(layer));
}
