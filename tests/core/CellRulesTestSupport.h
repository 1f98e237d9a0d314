// Helpers of the editing-rule tests: maps drawn as text, and writes applied to a map.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/ChipTable.h"
#include "core/PaletteModel.h"
#include "map/core/CellWrite.h"
#include "map/core/CoveringChips.h"
#include "map/core/LayerVisibility.h"
#include "map/core/MapModel.h"
#include "map/core/PenStroke.h"
#include "map/core/ToolState.h"

namespace cell_rules_test {

// The eraser as the palettes give it: no chip, from neither sheet.
const ChipEntry kEraser{0, 0, 0, 3};

// One layer as text: rows joined by '|', a cell as one character, '.' for an empty cell and
// '1' to '9' for chips 1 to 9 ("12.|..3").
inline std::string Picture(const MapModel& map, int layer) {
    std::string text;
    const MapCellCounts counts = map.CellCounts();
    for (uint32_t row = 0; row < counts.cellsY; ++row) {
        if (row > 0) text += '|';
        for (uint32_t column = 0; column < counts.cellsX; ++column) {
            const uint32_t id = map.Layer(layer)[row * counts.cellsX + column].chipId;
            text += id == 0 ? '.' : static_cast<char>('0' + id);
        }
    }
    return text;
}

// The three layers' pictures, layer 0 first.
struct Pictures {
    std::string layer0;
    std::string layer1;
    std::string layer2;
};

inline Pictures PicturesOf(const MapModel& map) {
    return Pictures{Picture(map, 0), Picture(map, 1), Picture(map, 2)};
}

inline void ExpectPictures(const MapModel& map, const Pictures& expected) {
    EXPECT_EQ(Picture(map, 0), expected.layer0) << "layer 0";
    EXPECT_EQ(Picture(map, 1), expected.layer1) << "layer 1";
    EXPECT_EQ(Picture(map, 2), expected.layer2) << "layer 2";
}

// A sheet position that tells chips apart: chip n of a layer at (40 n, 40 layer).
inline MapCell CellFor(uint32_t id, int layer) {
    return id == 0 ? MapCell{} : MapCell{id, static_cast<int32_t>(40 * id), 40 * layer};
}

// Sizes the map to the pictures and draws them; every picture must have the same shape.
inline void Draw(MapModel& map, const Pictures& pictures) {
    const std::string* layers[] = {&pictures.layer0, &pictures.layer1, &pictures.layer2};
    const std::string& first = *layers[0];
    const auto columns = static_cast<int32_t>(first.find('|') == std::string::npos ? first.size() : first.find('|'));
    const auto rows = static_cast<int32_t>(std::count(first.begin(), first.end(), '|') + 1);
    ASSERT_TRUE(map.ResizeMap(columns * kCellSize, rows * kCellSize));
    map.ClearMap();
    for (int layer = 0; layer < 3; ++layer) {
        size_t index = 0;
        for (char c : *layers[layer]) {
            if (c == '|') continue;
            ASSERT_LT(index, map.CellCount()) << "layer " << layer;
            map.Layer(layer)[index++] = CellFor(c == '.' ? 0 : static_cast<uint32_t>(c - '0'), layer);
        }
        ASSERT_EQ(index, map.CellCount()) << "layer " << layer;
    }
}

// Applies the writes in order, as the stage does. Each must lie in the map, and no two may
// name the same cell of one layer: a list is one step, whose undo puts back one old value.
inline void Apply(MapModel& map, const CellWrites& writes) {
    std::vector<bool> written(map.CellCount() * 3);
    for (const CellWrite& write : writes) {
        ASSERT_LT(write.index, map.CellCount());
        ASSERT_LE(write.layer, 2);
        const size_t at = size_t{write.index} * 3 + write.layer;
        ASSERT_FALSE(written[at])
            << "cell " << write.index << " of layer " << int{write.layer} << " written twice";
        written[at] = true;
        map.Layer(write.layer)[write.index] = write.cell;
    }
}

// A left click of the pen at a view point: its writes into hidden or locked layers dropped and the rest
// put into the map, as the main window and the stage do.
inline void PlaceChip(MapModel& map, const ChipEntry& chip, int32_t scrollX, int32_t scrollY, int32_t x,
                      int32_t y, const LayerVisibility& shown = LayerVisibility{}) {
    PenStroke pen;
    CellWrites writes = pen.Begin(map, chip, ViewPointCell(x, y, scrollX, scrollY), ViewCells(scrollX, scrollY));
    DropUnwritableLayerWrites(writes, shown);
    Apply(map, writes);
}

// A right click at a view point.
inline PickResult PickChip(const MapModel& map, int32_t scrollX, int32_t scrollY, int32_t x, int32_t y,
                           const LayerVisibility& shown = LayerVisibility{}) {
    return PickDrawnChip(map, scrollX, scrollY, x, y, shown);
}

// The palettes as the editor builds them from its chip tables.
struct EditorPalettes {
    PaletteModel small{kSmallPaletteArgument};
    PaletteModel large{kLargePaletteArgument};

    EditorPalettes() {
        small.paletteSize = SmallChipTable[0];
        large.paletteSize = LargeChipTable[0];
        EXPECT_TRUE(small.BuildEntries(SmallChipTable + 1, kSmallChipTableLength - 1));
        EXPECT_TRUE(large.BuildEntries(LargeChipTable + 1, kLargeChipTableLength - 1));
    }
};

}  // namespace cell_rules_test
