#include "EditorPalettes.h"

#include "core/ChipTable.h"
#include "map/core/DocumentCells.h"

namespace {

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
    return InstallDocument(document, small, large, map);
}
