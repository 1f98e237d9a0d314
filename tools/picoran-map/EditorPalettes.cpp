#include "EditorPalettes.h"

#include <vector>

#include "core/ChipTable.h"

namespace {

void Fill(PaletteModel& palette, const uint32_t* table, size_t count) {
    palette.paletteSize = table[0];
    palette.BuildEntries(table + 1, count - 1);
}

std::vector<MapCell> Cells(const EditorPalettes& palettes, int32_t layer,
                           const std::vector<uint32_t>& ids) {
    std::vector<MapCell> cells(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) cells[i] = palettes.CellFor(layer, ids[i]);
    return cells;
}

}  // namespace

EditorPalettes::EditorPalettes() {
    Fill(small, SmallChipTable, sizeof SmallChipTable / sizeof SmallChipTable[0]);
    Fill(large, LargeChipTable, sizeof LargeChipTable / sizeof LargeChipTable[0]);
}

MapCell EditorPalettes::CellFor(int32_t layer, uint32_t chipId) const {
    const ChipPosition at = For(layer).FindChip(layer, chipId);
    const int32_t factor = layer == 2 ? 2 : 1;
    return MapCell{chipId, at.x * factor, at.y * factor};
}

bool EditorPalettes::Holds(int32_t layer, uint32_t chipId) const {
    const PaletteModel& palette = For(layer);
    const ChipEntry* entries = palette.Entries();
    for (size_t i = 0; i < palette.EntryCount(); ++i) {
        if (entries[i].chipId == chipId && entries[i].layer == static_cast<uint32_t>(layer))
            return true;
    }
    return false;
}

bool EditorPalettes::BuildModel(const MapDocument& document, MapModel& map) const {
    if (!map.ReplaceCells(document.mapWidth, document.mapHeight,
                          Cells(*this, 1, document.layer1Ids), Cells(*this, 2, document.layer2Ids),
                          Cells(*this, 0, document.layer0Ids))) {
        return false;
    }
    map.startX = document.startX;
    map.startY = document.startY;
    return true;
}
