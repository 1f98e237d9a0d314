#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "CellRulesTestSupport.h"
#include "map/core/CellEditing.h"
#include "map/core/CoveringChips.h"
#include "map/core/PenStroke.h"
#include "map/core/ToolState.h"

namespace {

using Snapshot = std::array<std::vector<MapCell>, 3>;

Snapshot Take(const MapModel& map) {
    Snapshot s;
    for (int layer = 0; layer < 3; ++layer) {
        s[layer].assign(map.Layer(layer), map.Layer(layer) + map.CellCount());
    }
    return s;
}

// A map of the given cells with a different chip in every cell of every layer, so that a
// write anywhere shows.
void MakeFullMap(MapModel& map, int32_t cellsX, int32_t cellsY) {
    ASSERT_TRUE(map.ResizeMap(cellsX * kCellSize, cellsY * kCellSize));
    for (int layer = 0; layer < 3; ++layer) {
        for (size_t i = 0; i < map.CellCount(); ++i) {
            map.Layer(layer)[i] = MapCell{static_cast<uint32_t>(100 + i * 3 + layer), 40, 80};
        }
    }
}

using cell_rules_test::kEraser;
using cell_rules_test::PickChip;
using cell_rules_test::PlaceChip;

}  // namespace

TEST(CellAt, TurnsAViewPointIntoAMapCell) {
    MapModel map;
    ASSERT_TRUE(map.ResizeMap(1200, 800));  // 30 x 20
    uint32_t index = 0;
    ASSERT_TRUE(CellAt(map, 3, 2, 85, 41, index));
    EXPECT_EQ(index, 95u);  // column 5, row 3

    uint32_t left = 0, right = 0, first = 0;
    ASSERT_TRUE(CellAt(map, 3, 2, 39, 0, left));
    ASSERT_TRUE(CellAt(map, 3, 2, 40, 0, right));
    ASSERT_TRUE(CellAt(map, 3, 2, 0, 0, first));
    EXPECT_EQ(right, left + 1);
    EXPECT_EQ(first, 2u * 30 + 3);
}

TEST(CellAt, RefusesPointsOutsideTheMap) {
    MapModel map;
    ASSERT_TRUE(map.ResizeMap(1200, 800));  // 30 x 20
    uint32_t index = 12345;
    EXPECT_TRUE(CellAt(map, 14, 8, 639, 479, index));   // column 29, row 19: the last cell
    EXPECT_FALSE(CellAt(map, 15, 8, 639, 0, index));    // column 30 would be the next row
    EXPECT_FALSE(CellAt(map, 0, 9, 0, 479, index));     // row 20 would be past the end
    EXPECT_FALSE(CellAt(map, -1, 0, 0, 0, index));
    EXPECT_FALSE(CellAt(map, 0, 0, -40, 0, index));     // left of the view
    EXPECT_FALSE(CellAt(map, INT32_MAX, 0, 639, 0, index));  // would wrap in 32 bits
    EXPECT_FALSE(CellAt(map, INT32_MIN, INT32_MIN, 0, 0, index));
    EXPECT_EQ(index, 29u + 19 * 30);  // untouched by the refusals
}

TEST(PlaceChip, WritesTheSelectedChipIntoItsOwnLayerOnly) {
    MapModel map;
    ASSERT_TRUE(map.ResizeMap(1200, 800));
    const ChipEntry startChip;  // chip 1 of the large sheet at (0, 0)
    PlaceChip(map, startChip, 3, 2, 85, 41);
    EXPECT_EQ(map.Layer(2)[95], (MapCell{1, 0, 0}));
    EXPECT_EQ(map.Layer(1)[95], MapCell{});
    EXPECT_EQ(map.Layer(0)[95], MapCell{});

    PlaceChip(map, ChipEntry{9, 120, 40, 0}, 3, 2, 85, 41);
    PlaceChip(map, ChipEntry{8, 80, 0, 1}, 3, 2, 85, 41);
    EXPECT_EQ(map.Layer(0)[95], (MapCell{9, 120, 40}));
    EXPECT_EQ(map.Layer(1)[95], (MapCell{8, 80, 0}));
    EXPECT_EQ(map.Layer(2)[95], (MapCell{1, 0, 0}));

    // Only the clicked cell changes, even for a large chip.
    Snapshot after = Take(map);
    for (int layer = 0; layer < 3; ++layer) {
        for (size_t i = 0; i < map.CellCount(); ++i) {
            if (i != 95) ASSERT_EQ(after[layer][i], MapCell{}) << layer << " " << i;
        }
    }
}

TEST(PlaceChip, ChipIdZeroEmptiesAllThreeLayers) {
    MapModel map;
    MakeFullMap(map, 16, 12);
    PlaceChip(map, kEraser, 0, 0, 45, 5);  // column 1, row 0
    // An empty palette slot (chip id 0 in layer 1) erases too.
    PlaceChip(map, ChipEntry{0, 80, 120, 1}, 0, 0, 85, 5);
    for (int layer = 0; layer < 3; ++layer) {
        EXPECT_EQ(map.Layer(layer)[1], MapCell{});
        EXPECT_EQ(map.Layer(layer)[2], MapCell{});
        EXPECT_NE(map.Layer(layer)[3].chipId, 0u);
    }
    // The large chip of column 0 covered column 1, so the first eraser took it too.
    EXPECT_EQ(map.Layer(2)[0].chipId, 0u);
    EXPECT_NE(map.Layer(1)[0].chipId, 0u);
    EXPECT_NE(map.Layer(0)[0].chipId, 0u);
}

TEST(PlaceChip, ClicksOutsideTheMapChangeNothing) {
    MapModel map;
    MakeFullMap(map, 30, 20);
    const Snapshot before = Take(map);
    for (const ChipEntry& chip : {ChipEntry{5, 40, 40, 0}, ChipEntry{6, 80, 0, 2}, kEraser}) {
        PlaceChip(map, chip, -1, 0, 10, 10);     // negative offset: the previous row's end
        PlaceChip(map, chip, 0, -1, 10, 10);     // before the first cell
        PlaceChip(map, chip, 15, 0, 639, 10);    // column 30 of 30
        PlaceChip(map, chip, 14, 9, 600, 470);   // one past the last cell
        PlaceChip(map, chip, 0, 0, -50, 10);
    }
    EXPECT_EQ(Take(map), before);

    MapModel small;
    MakeFullMap(small, 10, 8);  // smaller than the view
    const Snapshot smallBefore = Take(small);
    PlaceChip(small, kEraser, 0, 0, 500, 100);  // column 12
    PlaceChip(small, kEraser, 0, 0, 100, 400);  // row 10
    EXPECT_EQ(Take(small), smallBefore);
}

TEST(PlaceChip, ChipOfAnUnknownLayerPaintsNothing) {
    MapModel map;
    const Snapshot before = Take(map);
    PlaceChip(map, ChipEntry{4, 40, 0, 3}, 0, 0, 10, 10);
    PlaceChip(map, ChipEntry{4, 40, 0, 0xFFFFFFFFu}, 0, 0, 10, 10);
    EXPECT_EQ(Take(map), before);
}

TEST(PickChip, TakesTheTopmostChipAndItsPalette) {
    MapModel map;
    map.Layer(2)[0] = MapCell{3, 160, 80};
    map.Layer(0)[0] = MapCell{12, 200, 40};
    PickResult pick = PickChip(map, 0, 0, 20, 20);
    EXPECT_EQ(pick.kind, PickResult::Kind::kChip);
    EXPECT_EQ(pick.chip, (ChipEntry{12, 200, 40, 0}));
    EXPECT_EQ(pick.palette, PickResult::Palette::kSmall);
    EXPECT_EQ(pick.highlightX, 100);
    EXPECT_EQ(pick.highlightY, 20);

    map.Layer(1)[1] = MapCell{13, 40, 0};
    map.Layer(2)[1] = MapCell{4, 0, 0};
    pick = PickChip(map, 0, 0, 60, 20);
    EXPECT_EQ(pick.chip, (ChipEntry{13, 40, 0, 1}));
    EXPECT_EQ(pick.palette, PickResult::Palette::kSmall);

    // Only the layer-2 chip left: the large palette, frame at half the sheet position.
    map.Layer(0)[0] = MapCell{};
    pick = PickChip(map, 0, 0, 20, 20);
    EXPECT_EQ(pick.kind, PickResult::Kind::kChip);
    EXPECT_EQ(pick.chip, (ChipEntry{3, 160, 80, 2}));
    EXPECT_EQ(pick.palette, PickResult::Palette::kLarge);
    EXPECT_EQ(pick.highlightX, 80);
    EXPECT_EQ(pick.highlightY, 40);
}

TEST(PickChip, EmptyCellSelectsTheEraserWhichThenErases) {
    MapModel map;
    map.Layer(0)[5] = MapCell{1, 40, 40};
    map.Layer(1)[5] = MapCell{2, 40, 40};
    map.Layer(2)[5] = MapCell{3, 80, 80};
    const PickResult pick = PickChip(map, 0, 0, 0, 0);
    ASSERT_EQ(pick.kind, PickResult::Kind::kEraser);
    EXPECT_EQ(pick.chip, kEraser);

    PlaceChip(map, pick.chip, 0, 0, 200, 0);  // column 5
    for (int layer = 0; layer < 3; ++layer) EXPECT_EQ(map.Layer(layer)[5], MapCell{});
}

TEST(PickChip, OutsideTheMapSelectsNothing) {
    MapModel map;
    map.Layer(0)[191] = MapCell{1, 40, 40};
    EXPECT_EQ(PickChip(map, 1, 0, 639, 479).kind, PickResult::Kind::kNothing);
    EXPECT_EQ(PickChip(map, 0, 0, 640, 0).kind, PickResult::Kind::kNothing);
    EXPECT_EQ(PickChip(map, 0, 0, 639, 479).kind, PickResult::Kind::kChip);
}
