#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <set>

#include "CellRulesTestSupport.h"
#include "map/core/FillRules.h"
#include "map/core/FloodFill.h"

using namespace cell_rules_test;

namespace {

ChipEntry Small(uint32_t id, uint32_t layer) { return ChipEntry{id, 40 * id, 40 * layer, layer}; }
ChipEntry Large(uint32_t id) { return ChipEntry{id, 40 * id, 80, 2}; }

// Every write carries the chip's own cell, or empties the cell for the eraser.
void ExpectCellsOfChip(const CellWrites& writes, const ChipEntry& chip) {
    const MapCell expected = chip.chipId == 0 ? MapCell{}
                                               : MapCell{chip.chipId, static_cast<int32_t>(chip.srcX),
                                                         static_cast<int32_t>(chip.srcY)};
    for (const CellWrite& write : writes) {
        EXPECT_EQ(write.cell, expected);
        if (chip.chipId != 0) EXPECT_EQ(write.layer, chip.layer);
    }
}

struct RectangleCase {
    const char* name;
    ChipEntry chip;
    CellPoint start;
    CellPoint end;
    Pictures after;
};

void PrintTo(const RectangleCase& c, std::ostream* out) { *out << c.name; }

// 6 x 4 cells with a chip here and there in each layer.
const Pictures kRectangleMap{"1.....|......|..2...|......",
                             "......|.3....|......|......",
                             "......|......|......|....4."};

class RectangleFill : public ::testing::TestWithParam<RectangleCase> {};

TEST_P(RectangleFill, WritesTheAreaOnceAndNothingWhenRepeated) {
    const RectangleCase& c = GetParam();
    MapModel map;
    Draw(map, kRectangleMap);
    const CellWrites writes = RectangleFillWrites(map, c.chip, c.start, c.end);
    ExpectCellsOfChip(writes, c.chip);
    Apply(map, writes);
    ExpectPictures(map, c.after);
    EXPECT_TRUE(RectangleFillWrites(map, c.chip, c.start, c.end).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RectangleFill,
    ::testing::Values(
        RectangleCase{"smallChip", Small(5, 0), {1, 1}, {3, 2},
                      {"1.....|.555..|.555..|......", kRectangleMap.layer1, kRectangleMap.layer2}},
        RectangleCase{"smallChipDraggedUpLeft", Small(5, 0), {3, 2}, {1, 1},
                      {"1.....|.555..|.555..|......", kRectangleMap.layer1, kRectangleMap.layer2}},
        RectangleCase{"smallChipClippedToTheMap", Small(6, 1), {-2, -1}, {1, 9},
                      {kRectangleMap.layer0, "66....|66....|66....|66....", kRectangleMap.layer2}},
        RectangleCase{"largeChipsFromTheStart", Large(7), {0, 0}, {4, 3},
                      {kRectangleMap.layer0, kRectangleMap.layer1, "7.7.7.|......|7.7.7.|....4."}},
        RectangleCase{"largeChipsDraggedUpLeft", Large(7), {4, 3}, {0, 0},
                      {kRectangleMap.layer0, kRectangleMap.layer1, "......|7.7.7.|......|7.7.7."}},
        RectangleCase{"largeChipsOddStart", Large(7), {3, 0}, {0, 2},
                      {kRectangleMap.layer0, kRectangleMap.layer1, ".7.7..|......|.7.7..|....4."}},
        RectangleCase{"largeChipsStartOutsideTheMap", Large(7), {-1, 1}, {5, 3},
                      {kRectangleMap.layer0, kRectangleMap.layer1, "......|.7.7.7|......|.7.747"}},
        RectangleCase{"eraser", kEraser, {2, 2}, {0, 0},
                      {"......|......|......|......", "......|......|......|......",
                       kRectangleMap.layer2}},
        RectangleCase{"emptyPaletteSlotErasesToo", ChipEntry{0, 40, 80, 1}, {3, 3}, {5, 2},
                      {kRectangleMap.layer0, kRectangleMap.layer1, "......|......|......|......"}},
        RectangleCase{"chipOfNoLayer", ChipEntry{9, 0, 0, 5}, {0, 0}, {5, 3}, kRectangleMap},
        RectangleCase{"wholeAreaOutsideTheMap", Small(5, 0), {6, 0}, {9, 3}, kRectangleMap}),
    [](const ::testing::TestParamInfo<RectangleCase>& info) { return std::string(info.param.name); });

struct BucketCase {
    const char* name;
    ChipEntry chip;
    CellPoint clicked;
    Pictures after;
};

void PrintTo(const BucketCase& c, std::ostream* out) { *out << c.name; }

// 7 x 5 cells. Layer 0 has a pocket at the top left, walls of chip 1, and a group of chip 1
// at (4, 1) that touches the one at (3, 4) only at a corner. Layer 1 holds chip 8 at (1, 2).
const Pictures kBucketMap{"..1....|..1.11.|111.1..|....1..|3..1...",
                          ".......|.......|.8.....|.......|.......",
                          ".......|.......|.......|.......|......."};

class BucketFill : public ::testing::TestWithParam<BucketCase> {};

TEST_P(BucketFill, WritesTheConnectedRegionOnce) {
    const BucketCase& c = GetParam();
    MapModel map;
    Draw(map, kBucketMap);
    const CellWrites writes = BucketFillWrites(map, c.chip, c.clicked);
    ExpectCellsOfChip(writes, c.chip);
    Apply(map, writes);
    ExpectPictures(map, c.after);
    // Filled again, the region changes nothing, so the stage makes no step.
    if (c.chip.chipId != 0) EXPECT_TRUE(BucketFillWrites(map, c.chip, c.clicked).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BucketFill,
    ::testing::Values(
        BucketCase{"pocketOfEmptyCells", Small(5, 0), {1, 1},
                   {"551....|551.11.|111.1..|....1..|3..1...", kBucketMap.layer1, kBucketMap.layer2}},
        BucketCase{"emptyCellsAroundTheWalls", Small(5, 0), {6, 4},
                   {"..15555|..15115|1115155|5555155|3551555", kBucketMap.layer1, kBucketMap.layer2}},
        BucketCase{"noLeakThroughACorner", Small(6, 0), {4, 3},
                   {"..1....|..1.66.|111.6..|....6..|3..1...", kBucketMap.layer1, kBucketMap.layer2}},
        BucketCase{"sameChipInOtherLayersDoesNotCount", Small(9, 1), {0, 0},
                   {kBucketMap.layer0, "9999999|9999999|9899999|9999999|9999999",
                    kBucketMap.layer2}},
        BucketCase{"largeChipsOnAWholeEmptyLayer", Large(7), {3, 2},
                   {kBucketMap.layer0, kBucketMap.layer1, ".7.7.7.|.......|.7.7.7.|.......|.7.7.7."}},
        BucketCase{"eraserComparesAllThreeLayers", kEraser, {2, 0},
                   {".......|....11.|11..1..|....1..|3..1...", kBucketMap.layer1, kBucketMap.layer2}},
        BucketCase{"eraserOnAnEmptyCellChangesNothing", kEraser, {6, 0}, kBucketMap},
        BucketCase{"sameChipChangesNothing", Small(1, 0), {4, 3}, kBucketMap},
        BucketCase{"clickOutsideTheMap", Small(5, 0), {7, 0}, kBucketMap},
        BucketCase{"clickAboveTheMap", Small(5, 0), {0, -1}, kBucketMap}),
    [](const ::testing::TestParamInfo<BucketCase>& info) { return std::string(info.param.name); });

// The region against a plain breadth-first walk over cells, on random maps of few chips.
TEST(FillRegion, IsWhatABreadthFirstWalkFinds) {
    std::mt19937 random(19);
    for (int trial = 0; trial < 200; ++trial) {
        MapModel map;
        const int32_t columns = 1 + static_cast<int32_t>(random() % 30);
        const int32_t rows = 1 + static_cast<int32_t>(random() % 20);
        ASSERT_TRUE(map.ResizeMap(columns * kCellSize, rows * kCellSize));
        for (int layer = 0; layer < 3; ++layer) {
            for (size_t i = 0; i < map.CellCount(); ++i)
                map.Layer(layer)[i].chipId = random() % (layer == 0 ? 2 : 4) == 0 ? 1 : 0;
        }
        const CellPoint seed{static_cast<int32_t>(random() % columns),
                             static_cast<int32_t>(random() % rows)};
        const auto layers = static_cast<RegionLayers>(random() % 4);
        const auto same = [&](size_t a, size_t b) {
            for (int layer = 0; layer < 3; ++layer) {
                if ((layers == RegionLayers::kAllThree || static_cast<int>(layers) == layer) &&
                    map.Layer(layer)[a].chipId != map.Layer(layer)[b].chipId)
                    return false;
            }
            return true;
        };
        std::set<size_t> expected;
        const size_t seedIndex = IndexOf(seed, map.CellCounts());
        std::deque<size_t> queue{seedIndex};
        expected.insert(seedIndex);
        while (!queue.empty()) {
            const size_t at = queue.front();
            queue.pop_front();
            const int64_t c = static_cast<int64_t>(at % columns), r = static_cast<int64_t>(at / columns);
            for (const auto& [dc, dr] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                if (c + dc < 0 || c + dc >= columns || r + dr < 0 || r + dr >= rows) continue;
                const auto next = static_cast<size_t>((r + dr) * columns + c + dc);
                if (same(seedIndex, next) && expected.insert(next).second) queue.push_back(next);
            }
        }
        std::set<size_t> found;
        for (const CellSpan& span : FillRegion(map, seed, layers)) {
            ASSERT_LE(span.first, span.last);
            for (uint32_t column = span.first; column <= span.last; ++column)
                ASSERT_TRUE(found.insert(size_t{span.row} * columns + column).second) << "cell twice";
        }
        ASSERT_EQ(found, expected) << "trial " << trial;
    }
}

// The largest map the files allow, all one chip: every cell is in the region, and the walk
// keeps its seeds on the heap.
TEST(BucketFill, FillsAMillionCellsOfOneChip) {
    MapModel map;
    ASSERT_TRUE(map.ResizeMap(1000 * kCellSize, 1000 * kCellSize));
    for (size_t i = 0; i < map.CellCount(); ++i) map.Layer(0)[i] = MapCell{4, 0, 0};
    const CellWrites writes = BucketFillWrites(map, Small(5, 0), CellPoint{500, 700});
    ASSERT_EQ(writes.size(), map.CellCount());
    Apply(map, writes);
    for (size_t i = 0; i < map.CellCount(); ++i) ASSERT_EQ(map.Layer(0)[i].chipId, 5u);
}

}  // namespace
