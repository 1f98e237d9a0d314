#include "map/core/CellEditing.h"

namespace {

// The palettes show their sheets at half size. The shift is unsigned, so even a damaged
// negative sheet position from a map file gives a non-negative frame position.
int32_t HalfOf(int32_t sheetPixels) {
    return static_cast<int32_t>(static_cast<uint32_t>(sheetPixels) >> 1);
}

}  // namespace

bool CellAt(const MapModel& map, int32_t scrollX, int32_t scrollY, int32_t x, int32_t y,
            uint32_t& index) {
    // 64 bits: offsets and points far outside the view must not wrap into the map.
    const int64_t column = int64_t{scrollX} + x / kCellSize;
    const int64_t row = int64_t{scrollY} + y / kCellSize;
    const MapCellCounts counts = map.CellCounts();
    // A column past the right edge would otherwise name a cell of the next row, and a
    // negative one a cell of the previous row or none at all.
    if (column < 0 || column >= counts.cellsX || row < 0 || row >= counts.cellsY) return false;
    index = static_cast<uint32_t>(row * counts.cellsX + column);
    return true;
}

CellWrites PlaceChipWrites(const MapModel& map, const ChipEntry& currentChip, int32_t scrollX,
                           int32_t scrollY, int32_t x, int32_t y, const LayerVisibility& shown) {
    uint32_t index;
    if (!map.HasLayers() || !CellAt(map, scrollX, scrollY, x, y, index)) return {};
    const MapCell cell{currentChip.chipId, static_cast<int32_t>(currentChip.srcX),
                       static_cast<int32_t>(currentChip.srcY)};
    if (currentChip.chipId == 0) {
        CellWrites erase{CellWrite{index, 2, cell}, CellWrite{index, 1, cell}, CellWrite{index, 0, cell}};
        DropHiddenLayerWrites(erase, shown);
        return erase;
    }
    // Palettes only hand out layers 0 to 2; a chip naming any other layer paints nothing.
    if (currentChip.layer > 2 || !shown.Shows(static_cast<int>(currentChip.layer))) return {};
    return {CellWrite{index, static_cast<uint8_t>(currentChip.layer), cell}};
}

bool PlaceChip(Stage& stage, const ChipEntry& currentChip, int32_t scrollX, int32_t scrollY,
               int32_t x, int32_t y, const LayerVisibility& shown) {
    return stage.WriteCells(PlaceChipWrites(stage.Map(), currentChip, scrollX, scrollY, x, y, shown));
}

PickResult PickChip(const MapModel& map, int32_t scrollX, int32_t scrollY, int32_t x, int32_t y,
                    const LayerVisibility& shown) {
    PickResult result;
    uint32_t index;
    if (!map.HasLayers() || !CellAt(map, scrollX, scrollY, x, y, index)) return result;
    for (int layer : {0, 1, 2}) {
        const MapCell& cell = map.Layer(layer)[index];
        if (cell.chipId == 0 || !shown.Shows(layer)) continue;
        result.kind = PickResult::Kind::kChip;
        result.chip = ChipEntry{cell.chipId, static_cast<uint32_t>(cell.srcX),
                                static_cast<uint32_t>(cell.srcY), static_cast<uint32_t>(layer)};
        result.palette = layer == 2 ? PickResult::Palette::kLarge : PickResult::Palette::kSmall;
        result.highlightX = HalfOf(cell.srcX);
        result.highlightY = HalfOf(cell.srcY);
        return result;
    }
    result.kind = PickResult::Kind::kEraser;
    result.chip = ChipEntry{0, 0, 0, 3};
    return result;
}
