#include "map/core/tools/ChipHand.h"

#include <algorithm>

#include "map/core/ChipPainting.h"

namespace {

constexpr uint32_t kRandomBrushSalt = 0x52414E44;  // apart from the terrain sets' numbers

bool SameChip(const ChipEntry& a, const ChipEntry& b) { return a.chipId == b.chipId && a.layer == b.layer; }
bool SamePalette(const ChipEntry& a, const ChipEntry& b) { return (a.layer == 2) == (b.layer == 2); }

}  // namespace

ChipEntry ChipHand::ToggleRandomChip(const ChipEntry& current, const ChipEntry& clicked) {
    inHand = false;
    if (clicked.chipId == 0) return current;
    // The chips of one palette only: a chip of the other starts afresh.
    if (!randomChips.empty() && !SamePalette(randomChips.front(), clicked)) randomChips.clear();
    if (randomChips.empty() && current.chipId != 0 && SamePalette(current, clicked)) randomChips.push_back(current);
    const auto there = std::find_if(randomChips.begin(), randomChips.end(),
                                    [&](const ChipEntry& chip) { return SameChip(chip, clicked); });
    if (there == randomChips.end()) {
        randomChips.push_back(clicked);
        return clicked;
    }
    if (randomChips.size() > 1) randomChips.erase(there);
    if (randomChips.size() == 1) {
        const ChipEntry last = randomChips.front();
        randomChips.clear();
        return last;
    }
    return randomChips.back();
}

ChipEntry ChipHand::ChipToLay(const ChipEntry& current) const {
    if (!RandomBrush()) return current;
    ChipEntry placeholder = randomChips.front();
    placeholder.chipId = kRandomChipId;
    return placeholder;
}

void ResolveRandomChips(const MapModel& map, const ChipHand& hand, CellWrites& writes) {
    const std::vector<ChipEntry>& chips = hand.RandomChips();
    if (chips.empty()) return;
    CellWrites resolved;
    resolved.reserve(writes.size());
    for (const CellWrite& write : writes) {
        if (write.cell.chipId != kRandomChipId) {
            resolved.push_back(write);
            continue;
        }
        const size_t pick = std::min(chips.size() - 1, static_cast<size_t>(hand.random.At(write.index, kRandomBrushSalt) *
                                                                            static_cast<double>(chips.size())));
        AppendIfChanged(map, write.index, static_cast<int>(chips[pick].layer), CellOf(chips[pick]), resolved);
    }
    writes.swap(resolved);
}
