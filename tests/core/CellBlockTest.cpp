#include <gtest/gtest.h>

#include "CellRulesTestSupport.h"
#include "map/core/CellBlock.h"
#include "map/core/DocumentCells.h"

using namespace cell_rules_test;

namespace {

// 5 x 4 cells, a chip in every cell of layer 0 and a few in the others.
const Pictures kMap{"12345|23456|34567|45678", ".....|.9...|.....|....9", "1....|.....|..2..|....."};

TEST(CopyBlock, TakesTheRectanglesCellsInsideTheMap) {
    MapModel map;
    Draw(map, kMap);
    const CellBlock block = CopyBlock(map, RectBetween({3, 2}, {1, 1}));
    EXPECT_EQ(block.columns, 3u);
    EXPECT_EQ(block.rows, 2u);
    EXPECT_EQ(block.layers[0], (std::vector<uint32_t>{3, 4, 5, 4, 5, 6}));
    EXPECT_EQ(block.layers[1], (std::vector<uint32_t>{9, 0, 0, 0, 0, 0}));
    EXPECT_EQ(block.layers[2], (std::vector<uint32_t>{0, 0, 0, 0, 2, 0}));

    const CellBlock corner = CopyBlock(map, RectBetween({-3, 2}, {0, 9}));
    EXPECT_EQ(corner.columns, 1u);
    EXPECT_EQ(corner.rows, 2u);
    EXPECT_EQ(corner.layers[0], (std::vector<uint32_t>{3, 4}));

    EXPECT_TRUE(CopyBlock(map, RectBetween({5, 0}, {7, 3})).Unusable());
}

struct StampCase {
    const char* name;
    CellPoint topLeft;
    Pictures after;
};

void PrintTo(const StampCase& c, std::ostream* out) { *out << c.name; }

class Stamp : public ::testing::TestWithParam<StampCase> {};

// A 3 x 2 block with holes: only the chips it holds are written, with the sheet positions the
// map readers give them, and only inside the map.
TEST_P(Stamp, WritesTheBlocksChipsInsideTheMap) {
    const EditorPalettes palettes;
    MapModel map;
    Draw(map, kMap);
    CellBlock block;
    block.columns = 3;
    block.rows = 2;
    block.layers = {std::vector<uint32_t>{1, 0, 2, 0, 3, 0}, std::vector<uint32_t>{0, 0, 0, 2, 2, 2},
                    std::vector<uint32_t>{3, 0, 0, 0, 0, 1}};
    const CellWrites writes = StampWrites(map, block, GetParam().topLeft, palettes.small, palettes.large);
    for (const CellWrite& write : writes) {
        const PaletteModel& palette = write.layer == 2 ? palettes.large : palettes.small;
        EXPECT_EQ(write.cell, CellFromChipId(write.cell.chipId, write.layer, palette));
    }
    Apply(map, writes);
    ExpectPictures(map, GetParam().after);
    EXPECT_TRUE(StampWrites(map, block, GetParam().topLeft, palettes.small, palettes.large).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Stamp,
    ::testing::Values(
        StampCase{"inside", {1, 1}, {"12345|21426|34367|45678", ".....|.9...|.222.|....9", "1....|.3...|..21.|....."}},
        StampCase{"pastTheRightAndBottomEdges", {3, 3}, {"12345|23456|34567|45618", kMap.layer1, "1....|.....|..2..|...3."}},
        StampCase{"pastTheTopAndLeftEdges", {-1, -1}, {"32345|23456|34567|45678", "22...|.9...|.....|....9", "11...|.....|..2..|....."}},
        StampCase{"wholeBlockOutside", {-3, 0}, kMap},
        StampCase{"farOutside", {INT32_MAX, INT32_MIN}, kMap}),
    [](const ::testing::TestParamInfo<StampCase>& info) { return std::string(info.param.name); });

// The view's preview asks only for the cells it can draw: the same writes, those outside left out.
TEST(Stamp, WithinARectangleWritesOnlyItsCells) {
    const EditorPalettes palettes;
    MapModel map;
    Draw(map, kMap);
    CellBlock block;
    block.columns = 3;
    block.rows = 2;
    block.layers = {std::vector<uint32_t>{1, 9, 2, 9, 3, 9}, std::vector<uint32_t>{9, 9, 9, 2, 2, 2},
                    std::vector<uint32_t>{3, 9, 9, 9, 9, 1}};
    const CellWrites all = StampWrites(map, block, {1, 1}, palettes.small, palettes.large);
    for (const CellRect& within : {CellRect{2, 1, 3, 2}, CellRect{-5, 2, 1, 9}, CellRect{4, 0, 9, 9}}) {
        CellWrites expected;
        for (const CellWrite& write : all) {
            const CellPoint cell{static_cast<int32_t>(write.index % 5), static_cast<int32_t>(write.index / 5)};
            if (Contains(within, cell)) expected.push_back(write);
        }
        const CellWrites part = StampWrites(map, block, {1, 1}, palettes.small, palettes.large, within);
        EXPECT_EQ(part.size(), expected.size()) << within.left;
        for (size_t i = 0; i < part.size() && i < expected.size(); ++i) {
            EXPECT_EQ(part[i].index, expected[i].index);
            EXPECT_EQ(part[i].layer, expected[i].layer);
            EXPECT_EQ(part[i].cell, expected[i].cell);
        }
    }
}

// Cut is a copy and an emptied area; pasting the block back where it was gives the map back,
// since the map's sheet positions are those the palettes give.
TEST(EmptyArea, CutThenPasteInPlaceGivesTheMapBack) {
    const EditorPalettes palettes;
    MapDocument document;
    document.mapWidth = 5 * kCellSize;
    document.mapHeight = 4 * kCellSize;
    document.layer0Ids.assign(20, 0);
    document.layer1Ids.assign(20, 0);
    document.layer2Ids.assign(20, 0);
    for (size_t i = 0; i < 20; ++i) {
        document.layer0Ids[i] = i % 3 == 0 ? 0 : 26;  // chips of the small palette
        document.layer1Ids[i] = i % 4 == 0 ? 2 : 0;
        document.layer2Ids[i] = i % 5 == 0 ? 3 : 0;
    }
    MapModel map;
    ASSERT_TRUE(InstallDocument(document, palettes.small, palettes.large, map));
    const CellRect area = RectBetween({1, 0}, {3, 2});
    const CellBlock block = CopyBlock(map, area);
    const CellBlock outside = CopyBlock(map, RectBetween({0, 3}, {4, 3}));

    Apply(map, EmptyAreaWrites(map, area));
    for (const std::vector<uint32_t>& ids : CopyBlock(map, area).layers)
        EXPECT_EQ(ids, std::vector<uint32_t>(9, 0));
    EXPECT_EQ(CopyBlock(map, RectBetween({0, 3}, {4, 3})), outside);
    EXPECT_TRUE(EmptyAreaWrites(map, area).empty());

    Apply(map, StampWrites(map, block, {1, 0}, palettes.small, palettes.large));
    const CellBlock whole = CopyBlock(map, RectBetween({0, 0}, {4, 3}));
    EXPECT_EQ(whole.layers[0], document.layer0Ids);
    EXPECT_EQ(whole.layers[1], document.layer1Ids);
    EXPECT_EQ(whole.layers[2], document.layer2Ids);
    for (int layer = 0; layer < 3; ++layer) {
        const PaletteModel& palette = layer == 2 ? palettes.large : palettes.small;
        for (size_t i = 0; i < map.CellCount(); ++i) {
            const MapCell& cell = map.Layer(layer)[i];
            EXPECT_EQ(cell, CellFromChipId(cell.chipId, layer, palette));
        }
    }
}

TEST(Stamp, UnusableBlockWritesNothing) {
    const EditorPalettes palettes;
    MapModel map;
    Draw(map, kMap);
    CellBlock ragged;
    ragged.columns = 2;
    ragged.rows = 2;
    ragged.layers = {std::vector<uint32_t>{1, 1, 1, 1}, std::vector<uint32_t>{1, 1, 1},
                     std::vector<uint32_t>{1, 1, 1, 1}};
    EXPECT_TRUE(StampWrites(map, ragged, {0, 0}, palettes.small, palettes.large).empty());
    EXPECT_TRUE(StampWrites(map, CellBlock{}, {0, 0}, palettes.small, palettes.large).empty());
}

}  // namespace
