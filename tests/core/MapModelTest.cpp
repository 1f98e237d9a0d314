#include <gtest/gtest.h>

#include <vector>

#include "map/core/MapModel.h"

namespace {

// A cell value that tells where it was put: column, row and layer are all recoverable.
MapCell Marked(uint32_t column, uint32_t row, int layer) {
    return MapCell{1 + column + 1000 * row + 1000000u * static_cast<uint32_t>(layer),
                   static_cast<int32_t>(40 * column), static_cast<int32_t>(40 * row)};
}

void MarkEveryCell(MapModel& map) {
    const MapCellCounts counts = map.CellCounts();
    for (int layer = 0; layer < 3; ++layer) {
        for (uint32_t r = 0; r < counts.cellsY; ++r) {
            for (uint32_t c = 0; c < counts.cellsX; ++c) {
                map.Layer(layer)[r * counts.cellsX + c] = Marked(c, r, layer);
            }
        }
    }
}

// Expects every cell of every layer to hold its mark inside columns x rows, empty outside.
void ExpectMarkedRegion(const MapModel& map, uint32_t columns, uint32_t rows) {
    const MapCellCounts counts = map.CellCounts();
    for (int layer = 0; layer < 3; ++layer) {
        for (uint32_t r = 0; r < counts.cellsY; ++r) {
            for (uint32_t c = 0; c < counts.cellsX; ++c) {
                const MapCell expected = (c < columns && r < rows) ? Marked(c, r, layer) : MapCell{};
                ASSERT_EQ(map.Layer(layer)[r * counts.cellsX + c], expected)
                    << "layer " << layer << " column " << c << " row " << r;
            }
        }
    }
}

std::vector<MapCell> LayerCopy(const MapModel& map, int layer) {
    return std::vector<MapCell>(map.Layer(layer), map.Layer(layer) + map.CellCount());
}

}  // namespace

TEST(MapModel, StartsAsAnEmptySixteenByTwelveMap) {
    MapModel map;
    EXPECT_EQ(map.mapWidth, 640);
    EXPECT_EQ(map.mapHeight, 480);
    EXPECT_EQ(map.CellCounts().cellsX, 16u);
    EXPECT_EQ(map.CellCounts().cellsY, 12u);
    EXPECT_EQ(map.CellCount(), 192u);
    ExpectMarkedRegion(map, 0, 0);
    EXPECT_EQ(map.Layer(3), nullptr);
    EXPECT_EQ(map.Layer(-1), nullptr);
}

TEST(MapModel, ResizeToTheSameSizeKeepsEveryCell) {
    MapModel map;
    ASSERT_TRUE(map.ResizeMap(1200, 800));
    MarkEveryCell(map);
    ASSERT_TRUE(map.ResizeMap(1200, 800));
    ExpectMarkedRegion(map, 30, 20);
}

TEST(MapModel, GrowingKeepsTheOldRegionAndAddsEmptyCells) {
    MapModel map;
    MarkEveryCell(map);
    ASSERT_TRUE(map.ResizeMap(2400, 2400));
    EXPECT_EQ(map.CellCounts().cellsX, 60u);
    EXPECT_EQ(map.CellCounts().cellsY, 60u);
    ExpectMarkedRegion(map, 16, 12);
}

TEST(MapModel, ShrinkingDropsCellsForGood) {
    MapModel map;
    ASSERT_TRUE(map.ResizeMap(2400, 2400));
    MarkEveryCell(map);
    ASSERT_TRUE(map.ResizeMap(640, 480));
    ExpectMarkedRegion(map, 16, 12);
    // Column 20 no longer exists; growing again brings back empty cells, not the old chip.
    ASSERT_TRUE(map.ResizeMap(2400, 2400));
    ExpectMarkedRegion(map, 16, 12);
    EXPECT_EQ(map.Layer(2)[3 * 60 + 20], MapCell{});
}

TEST(MapModel, ACellKeepsItsColumnAndRowWhenTheRowLengthChanges) {
    MapModel map;
    map.Layer(1)[53] = MapCell{7, 80, 40};  // column 5, row 3 of 16 columns
    ASSERT_TRUE(map.ResizeMap(1200, 480));
    EXPECT_EQ(map.Layer(1)[95], (MapCell{7, 80, 40}));  // 3 * 30 + 5
    EXPECT_EQ(map.Layer(1)[53], MapCell{});
}

TEST(MapModel, SizeRemainderIsKeptButMakesNoCell) {
    MapModel map;
    ASSERT_TRUE(map.ResizeMap(650, 519));
    EXPECT_EQ(map.mapWidth, 650);
    EXPECT_EQ(map.mapHeight, 519);
    EXPECT_EQ(map.CellCounts().cellsX, 16u);
    EXPECT_EQ(map.CellCounts().cellsY, 12u);
}

TEST(MapModel, NegativeOrZeroSizeHasNoCells) {
    MapModel map;
    ASSERT_TRUE(map.ResizeMap(-40, 480));
    EXPECT_EQ(map.mapWidth, -40);
    EXPECT_EQ(map.CellCounts().cellsX, 0u);
    EXPECT_EQ(map.CellCount(), 0u);
    EXPECT_TRUE(map.HasLayers());
    ASSERT_TRUE(map.ResizeMap(640, 480));
    ExpectMarkedRegion(map, 0, 0);
}

TEST(MapModel, ClearEmptiesEveryLayerAndKeepsTheSize) {
    MapModel map;
    ASSERT_TRUE(map.ResizeMap(2400, 2400));
    MarkEveryCell(map);
    map.ClearMap();
    ExpectMarkedRegion(map, 0, 0);
    EXPECT_EQ(map.CellCount(), 3600u);
    EXPECT_EQ(map.mapWidth, 2400);
    EXPECT_EQ(map.mapHeight, 2400);
}

TEST(MapModel, RefusedResizeLeavesTheMapAsItWas) {
    MapModel map;
    MarkEveryCell(map);
    // Beyond the cell limit, and a size whose byte count would not fit in 32 bits.
    EXPECT_FALSE(map.ResizeMap(2147483640, 2147483640));
    EXPECT_FALSE(map.ResizeMap(40 * 2001, 40 * 2000));
    EXPECT_EQ(map.mapWidth, 640);
    EXPECT_EQ(map.mapHeight, 480);
    EXPECT_EQ(map.CellCounts().cellsX, 16u);
    ExpectMarkedRegion(map, 16, 12);
}

TEST(MapModel, ReplaceCellsInstallsAWholeMapOrNothing) {
    MapModel map;
    MarkEveryCell(map);
    std::vector<MapCell> layer1(30 * 20), layer2(30 * 20), layer0(30 * 20);
    layer1[95] = MapCell{11, 0, 40};
    layer2[0] = MapCell{22, 80, 0};
    layer0[599] = MapCell{33, 40, 40};

    // Wrong length of one layer, or an absurd size: nothing changes.
    std::vector<MapCell> tooShort(30 * 20 - 1);
    EXPECT_FALSE(map.ReplaceCells(1200, 800, layer1, tooShort, layer0));
    EXPECT_FALSE(map.ReplaceCells(2147483640, 800, layer1, layer2, layer0));
    EXPECT_EQ(map.mapWidth, 640);
    ExpectMarkedRegion(map, 16, 12);

    ASSERT_TRUE(map.ReplaceCells(1200, 800, layer1, layer2, layer0));
    EXPECT_EQ(map.mapWidth, 1200);
    EXPECT_EQ(map.mapHeight, 800);
    EXPECT_EQ(map.CellCounts().cellsX, 30u);
    EXPECT_EQ(LayerCopy(map, 1), layer1);
    EXPECT_EQ(LayerCopy(map, 2), layer2);
    EXPECT_EQ(LayerCopy(map, 0), layer0);
}

TEST(MapModel, CountsForSizeMatchesTheArraysItWouldMake) {
    MapCellCounts counts;
    ASSERT_TRUE(MapModel::CountsForSize(2400, 2399, counts));
    EXPECT_EQ(counts.cellsX, 60u);
    EXPECT_EQ(counts.cellsY, 59u);
    ASSERT_TRUE(MapModel::CountsForSize(-1, 480, counts));
    EXPECT_EQ(counts.cellsX, 0u);
    // The limit itself is accepted, one column more is not.
    EXPECT_TRUE(MapModel::CountsForSize(40 * 1000, 40 * 1000, counts));
    EXPECT_FALSE(MapModel::CountsForSize(40 * 1001, 40 * 1000, counts));
    EXPECT_FALSE(MapModel::CountsForSize(INT32_MAX, INT32_MAX, counts));
    EXPECT_EQ(counts.cellsX, 1000u);  // a refused size leaves the result alone
}
