#include "map/core/DocumentCells.h"

namespace {

constexpr int32_t kLargeLayer = 2;

std::vector<MapCell> CellsFromChipIds(const std::vector<uint32_t>& ids, int32_t layer,
                                      const PaletteModel& palette) {
    std::vector<MapCell> cells(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) cells[i] = CellFromChipId(ids[i], layer, palette);
    return cells;
}

}  // namespace

MapCell CellFromChipId(uint32_t chipId, int32_t layer, const PaletteModel& palette) {
    const ChipPosition at = palette.FindChip(layer, chipId);
    const int32_t factor = layer == kLargeLayer ? 2 : 1;
    return MapCell{chipId, at.x * factor, at.y * factor};
}

bool InstallDocument(const MapDocument& document, const PaletteModel& smallPalette,
                     const PaletteModel& largePalette, MapModel& map) {
    return map.ReplaceCells(document.mapWidth, document.mapHeight,
                            CellsFromChipIds(document.layer1Ids, 1, smallPalette),
                            CellsFromChipIds(document.layer2Ids, kLargeLayer, largePalette),
                            CellsFromChipIds(document.layer0Ids, 0, smallPalette));
}

StageSettings SettingsOfDocument(const MapDocument& document) {
    StageSettings settings;
    settings.startX = document.startX;
    settings.startY = document.startY;
    settings.startUnspecified = document.startUnspecified;
    settings.numbers = document.Stage();
    settings.comment.assign(document.comment.begin(), document.comment.end());
    return settings;
}

bool OpenDocument(const MapDocument& document, const PaletteModel& smallPalette,
                  const PaletteModel& largePalette, Stage& stage) {
    return stage.Open(document.mapWidth, document.mapHeight,
                      CellsFromChipIds(document.layer1Ids, 1, smallPalette),
                      CellsFromChipIds(document.layer2Ids, kLargeLayer, largePalette),
                      CellsFromChipIds(document.layer0Ids, 0, smallPalette),
                      SettingsOfDocument(document));
}
