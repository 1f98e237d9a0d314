#include "map/core/ChipReplace.h"

#include <cstddef>
#include <vector>

#include "map/core/ChipPainting.h"

namespace {

// Appends the writes that turn one cell holding `from` into one holding `to` (or losing
// `from` when `place` is false); true when any was needed.
bool ReplaceInCell(const MapModel& map, uint32_t index, const ChipEntry& from, const ChipEntry& to,
                   bool place, CellWrites& writes) {
    const size_t before = writes.size();
    const int fromLayer = static_cast<int>(from.layer);
    const bool erase = PaintKindOf(to) == PaintKind::kEraser;
    if (!place || erase || to.layer != from.layer) AppendIfChanged(map, index, fromLayer, MapCell{}, writes);
    if (place && !erase) AppendIfChanged(map, index, static_cast<int>(to.layer), CellOf(to), writes);
    return writes.size() > before;
}

}  // namespace

ChipReplacement ReplaceChipWrites(const MapModel& map, const ChipEntry& from, const ChipEntry& to,
                                  const CellRect& area) {
    ChipReplacement result;
    const PaintKind toKind = PaintKindOf(to);
    if (!map.HasLayers() || from.chipId == 0 || from.layer > 2 || toKind == PaintKind::kNothing)
        return result;
    const CellRect cells = ClipToMap(area, map.CellCounts());
    if (cells.Empty()) return result;
    const uint32_t cellsX = map.CellCounts().cellsX;
    const MapCell* fromCells = map.Layer(static_cast<int>(from.layer));
    // Small chips turned into large ones lay them without overlap: which cells of the row above
    // and of this row got one, by column from the area's left.
    const bool tile = toKind == PaintKind::kLarge && from.layer != kLargeChipLayer;
    const size_t width = static_cast<size_t>(cells.right - cells.left) + 1;
    std::vector<bool> placedAbove(tile ? width : 0), placedHere(tile ? width : 0);
    for (int32_t row = cells.top; row <= cells.bottom; ++row) {
        for (size_t k = 0; k < width; ++k) {
            const auto index = static_cast<uint32_t>(row) * cellsX + static_cast<uint32_t>(cells.left) +
                               static_cast<uint32_t>(k);
            if (fromCells[index].chipId != from.chipId) continue;
            bool place = true;
            if (tile) {
                place = !placedAbove[k] && !(k > 0 && (placedHere[k - 1] || placedAbove[k - 1]));
                placedHere[k] = place;
            }
            if (ReplaceInCell(map, index, from, to, place, result.writes)) ++result.cellsChanged;
        }
        if (tile) {
            placedAbove.swap(placedHere);
            placedHere.assign(width, false);
        }
    }
    return result;
}

ChipReplacement ReplaceWritableChipWrites(const MapModel& map, const ChipEntry& from, const ChipEntry& to,
                                       const CellRect& area, const LayerVisibility& layers) {
    const ChipReplacement all = ReplaceChipWrites(map, from, to, area);
    ChipReplacement kept;
    // A cell's writes follow one another: each run of one index is kept or left out whole.
    for (size_t first = 0; first < all.writes.size();) {
        size_t end = first;
        bool refused = false;
        while (end < all.writes.size() && all.writes[end].index == all.writes[first].index)
            refused = refused || !layers.Writable(all.writes[end++].layer);
        if (!refused) {
            kept.writes.insert(kept.writes.end(), all.writes.begin() + static_cast<std::ptrdiff_t>(first),
                               all.writes.begin() + static_cast<std::ptrdiff_t>(end));
            ++kept.cellsChanged;
        }
        first = end;
    }
    return kept;
}
