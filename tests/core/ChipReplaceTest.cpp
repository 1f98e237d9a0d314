#include <gtest/gtest.h>

#include "CellRulesTestSupport.h"
#include "map/core/ChipReplace.h"

using namespace cell_rules_test;

namespace {

ChipEntry SmallChip(uint32_t id, uint32_t layer) { return ChipEntry{id, 40 * id, 40 * layer, layer}; }
ChipEntry LargeChip(uint32_t id) { return ChipEntry{id, 40 * id, 80, 2}; }

struct ReplaceCase {
    const char* name;
    ChipEntry from, to;
    CellRect area;
    size_t cells;  // changed
    Pictures after;
};

const Pictures kReplaceMap{"11.1..|11....|..2...|1.....", "3.....|.3....|......|....4.", "5.....|......|..5...|......"};
class ReplaceChip : public ::testing::TestWithParam<ReplaceCase> {};
TEST_P(ReplaceChip, ChangesTheCellsOnceAndLeavesNothingToReplace) {
    const ReplaceCase& c = GetParam();
    MapModel map;
    Draw(map, kReplaceMap);
    const ChipReplacement replaced = ReplaceChipWrites(map, c.from, c.to, c.area);
    EXPECT_EQ(replaced.cellsChanged, c.cells);
    Apply(map, replaced.writes);
    ExpectPictures(map, c.after);
    EXPECT_EQ(ReplaceChipWrites(map, c.from, c.to, c.area).cellsChanged, 0u);
}

const Pictures& was = kReplaceMap;
INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceChip,
    ::testing::Values(
        ReplaceCase{"wholeMap", SmallChip(1, 0), SmallChip(7, 0), kEveryCell, 6,
                    {"77.7..|77....|..2...|7.....", was.layer1, was.layer2}},
        ReplaceCase{"selection", SmallChip(1, 0), SmallChip(7, 0), {1, 0, 4, 3}, 3,
                    {"17.7..|17....|..2...|1.....", was.layer1, was.layer2}},
        ReplaceCase{"intoAnotherLayer", SmallChip(1, 0), SmallChip(8, 1), kEveryCell, 6,
                    {"......|......|..2...|......", "88.8..|88....|......|8...4.", was.layer2}},
        ReplaceCase{"largeStaysInItsCell", LargeChip(5), LargeChip(6), kEveryCell, 2,
                    {was.layer0, was.layer1, "6.....|......|..6...|......"}},
        ReplaceCase{"largeIntoSmall", LargeChip(5), SmallChip(9, 0), kEveryCell, 2,
                    {"91.1..|11....|..9...|1.....", was.layer1, "......|......|......|......"}},
        ReplaceCase{"smallIntoLargeWithoutOverlap", SmallChip(1, 0), LargeChip(6), kEveryCell, 6,
                    {"......|......|..2...|......", was.layer1, "6..6..|......|..5...|6....."}},
        ReplaceCase{"eraserKeepsTheOtherLayers", SmallChip(3, 1), kEraser, kEveryCell, 2,
                    {was.layer0, "......|......|......|....4.", was.layer2}},
        ReplaceCase{"emptyCellIsNoChip", ChipEntry{0, 0, 0, 0}, SmallChip(7, 0), kEveryCell, 0, was}),
    [](const ::testing::TestParamInfo<ReplaceCase>& info) { return std::string(info.param.name); });

// A cell that would take a write into a hidden (or else locked) layer keeps all of its layers.
struct ShownReplaceCase {
    ChipEntry from, to;
    int hidden;
    size_t cells;
    bool lockedNotHidden = false;
};
class ReplaceWritableChip : public ::testing::TestWithParam<ShownReplaceCase> {};
TEST_P(ReplaceWritableChip, LeavesCellsThatWouldChangeAnUnwritableLayer) {
    MapModel map;
    Draw(map, kReplaceMap);
    LayerVisibility shown;
    if (GetParam().lockedNotHidden)
        shown.SetLocked(GetParam().hidden, true);
    else
        shown.Set(GetParam().hidden, false);
    const ChipReplacement replaced = ReplaceWritableChipWrites(map, GetParam().from, GetParam().to, kEveryCell, shown);
    EXPECT_EQ(replaced.cellsChanged, GetParam().cells);
    EXPECT_EQ(replaced.writes.size(), GetParam().cells);
}
INSTANTIATE_TEST_SUITE_P(Cases, ReplaceWritableChip,
                         ::testing::Values(ShownReplaceCase{SmallChip(1, 0), SmallChip(7, 0), 2, 6},
                                           ShownReplaceCase{SmallChip(1, 0), SmallChip(7, 0), 0, 0},
                                           ShownReplaceCase{SmallChip(1, 0), SmallChip(7, 0), 0, 0, true},
                                           ShownReplaceCase{SmallChip(1, 0), SmallChip(8, 1), 1, 0},
                                           ShownReplaceCase{LargeChip(5), SmallChip(9, 0), 0, 0}));

}  // namespace
