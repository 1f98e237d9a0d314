#include "MapPictures.h"

#include <vector>

#include "core/ChipTable.h"
#include "core/PaletteModel.h"
#include "files/FileAccess.h"
#include "render/core/BmpImage.h"

namespace {

// Far above any picture of the sizes the editor uses (a 65536 x 65536 BMP is larger, but
// the view never needs one).
constexpr size_t kMaxPictureBytes = 256u * 1024u * 1024u;

bool LoadPicture(const std::string& folder, const char* name, std::unique_ptr<MemorySurface>& out,
                 std::string& error) {
    const std::string path = folder + "/" + name;
    std::vector<uint8_t> bytes;
    std::string reason;
    if (files::ReadWholeFile(path, kMaxPictureBytes, bytes, reason) != files::ReadStatus::kRead) {
        error = path + ": cannot read: " + reason;
        return false;
    }
    BmpReadResult read = ReadBmpImage(bytes.data(), bytes.size());
    if (!read.surface) {
        error = path + ": " + read.error;
        return false;
    }
    read.surface->colorKey = 0;
    out = std::move(read.surface);
    return true;
}

bool SheetFitsPalette(const MemorySurface& sheet, uint32_t cellArgument, const uint32_t* table) {
    PaletteModel palette(cellArgument);
    palette.paletteSize = table[0];
    return palette.SheetFits(sheet.width, sheet.height);
}

}  // namespace

bool LoadMapPictures(const std::string& folder, MapPictures& pictures, std::string& error) {
    MapPictures loaded;
    if (!LoadPicture(folder, kSmallSheetFile, loaded.smallSheet, error) ||
        !LoadPicture(folder, kLargeSheetFile, loaded.largeSheet, error) ||
        !LoadPicture(folder, kBackdropFile, loaded.backdrop, error)) {
        return false;
    }
    const struct {
        const MemorySurface& sheet;
        const char* name;
        uint32_t argument;
        const uint32_t* table;
    } sheets[2] = {{*loaded.smallSheet, kSmallSheetFile, kSmallPaletteArgument, SmallChipTable},
                   {*loaded.largeSheet, kLargeSheetFile, kLargePaletteArgument, LargeChipTable}};
    for (const auto& s : sheets) {
        if (SheetFitsPalette(s.sheet, s.argument, s.table)) continue;
        error = folder + "/" + s.name + ": " + std::to_string(s.sheet.width) + " x " +
                std::to_string(s.sheet.height) + " pixels; the palettes need " +
                std::to_string(2 * s.table[0]) + " x " + std::to_string(2 * s.table[0]);
        return false;
    }
    pictures = std::move(loaded);
    return true;
}
