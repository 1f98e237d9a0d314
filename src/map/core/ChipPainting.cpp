#include "map/core/ChipPainting.h"

PaintKind PaintKindOf(const ChipEntry& chip) {
    if (chip.chipId == 0) return PaintKind::kEraser;
    if (chip.layer == kLargeChipLayer) return PaintKind::kLarge;
    return chip.layer < kLargeChipLayer ? PaintKind::kSmall : PaintKind::kNothing;
}

void AppendIfChanged(const MapModel& map, uint32_t index, int layer, const MapCell& cell,
                     CellWrites& writes) {
    const MapCell& old = map.Layer(layer)[index];
    if (old == cell || (old.chipId == 0 && cell.chipId == 0)) return;
    writes.push_back(CellWrite{index, static_cast<uint8_t>(layer), cell});
}

void AppendErase(const MapModel& map, uint32_t index, CellWrites& writes) {
    // Layers in the order the eraser of a click empties them.
    for (int layer : {2, 1, 0}) AppendIfChanged(map, index, layer, MapCell{}, writes);
}
