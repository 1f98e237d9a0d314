#include "EditorPalettes.h"

#include <unordered_map>
#include <vector>

#include "core/ChipTable.h"
#include "map/core/DocumentCells.h"

namespace {

// The cells the editor makes of a layer's chip ids (CellFromChipId), each id looked up in the
// palette once: a palette search walks every palette cell for an id it does not hold, the
// empty chip among them, and a large map repeats a few dozen ids over millions of cells.
std::vector<MapCell> CellsOfLayer(const std::vector<uint32_t>& ids, int32_t layer, const PaletteModel& palette) {
    constexpr uint32_t kTabled = 4096;  // every id the chip tables hold is below this
    std::vector<MapCell> tabled(kTabled);
    std::vector<bool> known(kTabled, false);
    std::unordered_map<uint32_t, MapCell> others;
    std::vector<MapCell> cells(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
        const uint32_t id = ids[i];
        if (id < kTabled) {
            if (!known[id]) {
                tabled[id] = CellFromChipId(id, layer, palette);
                known[id] = true;
            }
            cells[i] = tabled[id];
            continue;
        }
        auto found = others.find(id);
        if (found == others.end()) found = others.emplace(id, CellFromChipId(id, layer, palette)).first;
        cells[i] = found->second;
    }
    return cells;
}

void Fill(PaletteModel& palette, const uint32_t* table, size_t count) {
    palette.paletteSize = table[0];
    palette.BuildEntries(table + 1, count - 1);
}

}  // namespace

EditorPalettes::EditorPalettes() {
    Fill(small, SmallChipTable, kSmallChipTableLength);
    Fill(large, LargeChipTable, kLargeChipTableLength);
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
    // What InstallDocument installs, the same cell for every id.
    return map.ReplaceCells(document.mapWidth, document.mapHeight, CellsOfLayer(document.layer1Ids, 1, small),
                            CellsOfLayer(document.layer2Ids, 2, large), CellsOfLayer(document.layer0Ids, 0, small));
}
