#include "map/core/DocumentCells.h"

namespace {

constexpr int32_t kLargeLayer = 2;

std::vector<MapCell> CellsFromChipIds(const std::vector<uint32_t>& ids, int32_t layer,
                                      const PaletteModel& palette) {
    std::vector<MapCell> cells(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) cells[i] = CellFromChipId(ids[i], layer, palette);
    return cells;
}

std::vector<uint32_t> ChipIdsOf(const MapCell* cells, size_t count) {
    std::vector<uint32_t> ids(count);
    for (size_t i = 0; i < count; ++i) ids[i] = cells[i].chipId;
    return ids;
}

}  // namespace

MapCell CellFromChipId(uint32_t chipId, int32_t layer, const PaletteModel& palette) {
    const ChipPosition at = palette.FindChip(layer, chipId);
    const int32_t factor = layer == kLargeLayer ? 2 : 1;
    return MapCell{chipId, at.x * factor, at.y * factor};
}

bool InstallDocument(const MapDocument& document, const PaletteModel& smallPalette,
                     const PaletteModel& largePalette, MapModel& map) {
    if (!map.ReplaceCells(document.mapWidth, document.mapHeight,
                          CellsFromChipIds(document.layer1Ids, 1, smallPalette),
                          CellsFromChipIds(document.layer2Ids, kLargeLayer, largePalette),
                          CellsFromChipIds(document.layer0Ids, 0, smallPalette))) {
        return false;
    }
    map.startX = document.startX;
    map.startY = document.startY;
    return true;
}

void CollectMap(const MapModel& map, MapDocument& document) {
    document.mapWidth = map.mapWidth;
    document.mapHeight = map.mapHeight;
    const size_t count = map.CellCount();
    document.layer2Ids = ChipIdsOf(map.Layer(2), count);
    document.layer1Ids = ChipIdsOf(map.Layer(1), count);
    document.layer0Ids = ChipIdsOf(map.Layer(0), count);
    document.startX = map.startX;
    document.startY = map.startY;
}
