#include "map/core/CoveringChips.h"

#include "map/core/ChipPainting.h"

namespace {

// The chip id a cell holds once the pending writes are applied (the last one for it counts).
uint32_t ChipIdAt(const MapModel& map, uint32_t index, int layer, const CellWrites& pending) {
    for (auto write = pending.rbegin(); write != pending.rend(); ++write) {
        if (write->index == index && write->layer == layer) return write->cell.chipId;
    }
    return map.Layer(layer)[index].chipId;
}

int32_t HalfOf(int32_t sheetPixels) {
    // The palettes show their sheets at half size; unsigned, as the pick has always done.
    return static_cast<int32_t>(static_cast<uint32_t>(sheetPixels) >> 1);
}

}  // namespace

bool CoveringLargeChip(const MapModel& map, CellPoint cell, StoredChip& found,
                       const CellWrites& pending, const LayerVisibility& shown) {
    const MapCellCounts counts = map.CellCounts();
    if (!map.HasLayers() || !InMap(cell, counts) || !shown.Shows(kLargeChipLayer)) return false;
    // Drawn last first: the left neighbour is visited after the upper ones.
    const CellPoint neighbours[] = {{cell.column - 1, cell.row},
                                    {cell.column, cell.row - 1},
                                    {cell.column - 1, cell.row - 1}};
    for (const CellPoint& neighbour : neighbours) {
        if (!InMap(neighbour, counts)) continue;
        const uint32_t index = IndexOf(neighbour, counts);
        if (ChipIdAt(map, index, kLargeChipLayer, pending) != 0) {
            found = StoredChip{index, kLargeChipLayer};
            return true;
        }
    }
    return false;
}

bool TopmostDrawnChip(const MapModel& map, CellPoint cell, StoredChip& found,
                      const CellWrites& pending, const LayerVisibility& shown) {
    const MapCellCounts counts = map.CellCounts();
    if (!map.HasLayers() || !InMap(cell, counts)) return false;
    const uint32_t index = IndexOf(cell, counts);
    for (int layer : {0, 1, 2}) {
        if (shown.Shows(layer) && ChipIdAt(map, index, layer, pending) != 0) {
            found = StoredChip{index, layer};
            return true;
        }
    }
    return CoveringLargeChip(map, cell, found, pending, shown);
}

PickResult PickDrawnChip(const MapModel& map, int32_t scrollX, int32_t scrollY, int32_t x,
                         int32_t y, const LayerVisibility& shown) {
    PickResult result;
    uint32_t index;
    if (!map.HasLayers() || !CellAt(map, scrollX, scrollY, x, y, index)) return result;
    const uint32_t cellsX = map.CellCounts().cellsX;
    const CellPoint cell{static_cast<int32_t>(index % cellsX), static_cast<int32_t>(index / cellsX)};
    StoredChip chip;
    if (!TopmostDrawnChip(map, cell, chip, {}, shown)) {
        result.kind = PickResult::Kind::kEraser;
        result.chip = ChipEntry{0, 0, 0, 3};
        return result;
    }
    const MapCell& stored = map.Layer(chip.layer)[chip.index];
    result.kind = PickResult::Kind::kChip;
    result.chip = ChipEntry{stored.chipId, static_cast<uint32_t>(stored.srcX),
                            static_cast<uint32_t>(stored.srcY), static_cast<uint32_t>(chip.layer)};
    result.palette = chip.layer == kLargeChipLayer ? PickResult::Palette::kLarge
                                                   : PickResult::Palette::kSmall;
    result.highlightX = HalfOf(stored.srcX);
    result.highlightY = HalfOf(stored.srcY);
    return result;
}

CellWrites EraseCellWrites(const MapModel& map, CellPoint cell, const CellWrites& pending) {
    CellWrites writes;
    const MapCellCounts counts = map.CellCounts();
    if (!map.HasLayers() || !InMap(cell, counts)) return writes;
    const uint32_t index = IndexOf(cell, counts);
    for (int layer : {2, 1, 0}) {
        if (ChipIdAt(map, index, layer, pending) != 0)
            writes.push_back(CellWrite{index, static_cast<uint8_t>(layer), MapCell{}});
    }
    // The covering chip is looked for as the map will be once the cell itself is empty.
    StoredChip covering;
    if (CoveringLargeChip(map, cell, covering, pending)) {
        writes.push_back(CellWrite{covering.index, kLargeChipLayer, MapCell{}});
    }
    return writes;
}
