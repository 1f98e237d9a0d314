#include <gtest/gtest.h>

#include "CellRulesTestSupport.h"
#include "map/core/CoveringChips.h"

using namespace cell_rules_test;

namespace {

struct CoveredCase {
    const char* name;
    Pictures map;
    CellPoint cell;
    uint32_t pickedId;  // 0: the eraser
    int pickedLayer;
    Pictures afterErase;
};

void PrintTo(const CoveredCase& c, std::ostream* out) { *out << c.name; }

class DrawnChip : public ::testing::TestWithParam<CoveredCase> {};

// A right click picks the chip drawn last over the cell; the eraser there empties the cell and
// takes away the large chip that a right click would then pick.
TEST_P(DrawnChip, IsPickedAndErased) {
    const CoveredCase& c = GetParam();
    MapModel map;
    Draw(map, c.map);
    const PickResult pick = PickDrawnChip(map, 0, 0, c.cell.column * 40 + 39, c.cell.row * 40 + 1);
    if (c.pickedId == 0) {
        EXPECT_EQ(pick.kind, PickResult::Kind::kEraser);
        EXPECT_EQ(pick.chip, (ChipEntry{0, 0, 0, 3}));
    } else {
        const MapCell drawn = CellFor(c.pickedId, c.pickedLayer);
        ASSERT_EQ(pick.kind, PickResult::Kind::kChip);
        EXPECT_EQ(pick.chip, (ChipEntry{c.pickedId, static_cast<uint32_t>(drawn.srcX),
                                        static_cast<uint32_t>(drawn.srcY),
                                        static_cast<uint32_t>(c.pickedLayer)}));
        EXPECT_EQ(pick.palette,
                  c.pickedLayer == 2 ? PickResult::Palette::kLarge : PickResult::Palette::kSmall);
        EXPECT_EQ(pick.highlightX, drawn.srcX / 2);
        EXPECT_EQ(pick.highlightY, drawn.srcY / 2);
    }
    Apply(map, EraseCellWrites(map, c.cell));
    ExpectPictures(map, c.afterErase);
}

const char* const kEmpty = "....|....|....";

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawnChip,
    ::testing::Values(
        CoveredCase{"ownSmallChipOverACoveringOne", {"....|..3.|....", kEmpty, "....|.7..|...."},
                    {2, 1}, 3, 0, {kEmpty, kEmpty, kEmpty}},
        CoveredCase{"anchorCellOfALargeChip", {kEmpty, kEmpty, "....|.7..|...."}, {1, 1}, 7, 2,
                    {kEmpty, kEmpty, kEmpty}},
        CoveredCase{"rightHalf", {kEmpty, kEmpty, "....|.7..|...."}, {2, 1}, 7, 2,
                    {kEmpty, kEmpty, kEmpty}},
        CoveredCase{"lowerHalf", {kEmpty, kEmpty, "....|.7..|...."}, {1, 2}, 7, 2,
                    {kEmpty, kEmpty, kEmpty}},
        CoveredCase{"lowerRightQuarter", {kEmpty, kEmpty, "....|.7..|...."}, {2, 2}, 7, 2,
                    {kEmpty, kEmpty, kEmpty}},
        CoveredCase{"leftNeighbourIsDrawnAfterTheUpperOnes", {kEmpty, kEmpty, "56..|4...|...."},
                    {1, 1}, 4, 2, {kEmpty, kEmpty, "56..|....|...."}},
        CoveredCase{"upperNeighbourIsDrawnAfterTheUpperLeft", {kEmpty, kEmpty, "56..|....|...."},
                    {1, 1}, 6, 2, {kEmpty, kEmpty, "5...|....|...."}},
        CoveredCase{"ownLargeChipOverANeighboursAndBothErased",
                    {kEmpty, "....|..2.|....", "....|.45.|...."}, {2, 1}, 2, 1,
                    {kEmpty, kEmpty, kEmpty}},
        CoveredCase{"noChipGivesTheEraser", {"1...|....|....", kEmpty, "...5|....|...."}, {2, 2}, 0,
                    0, {"1...|....|....", kEmpty, "...5|....|...."}},
        CoveredCase{"largeChipOnTheRightEdgeCoversNoCellOfTheNextRow",
                    {kEmpty, kEmpty, "...5|....|...."}, {0, 1}, 0, 0,
                    {kEmpty, kEmpty, "...5|....|...."}}),
    [](const ::testing::TestParamInfo<CoveredCase>& info) { return std::string(info.param.name); });

// What a hidden layer holds is not drawn, so the pick passes it over: a small chip hidden goes
// to the chip beneath it, hidden large chips cover nothing.
TEST(DrawnChip, HiddenLayersAreNotSeen) {
    MapModel map;
    Draw(map, {"....|.1..|....", "....|.2..|....", "....|5...|...."});
    const int32_t x = 1 * 40 + 5, y = 1 * 40 + 5;  // cell (1, 1)
    const struct {
        bool show0, show1, show2;
        uint32_t pickedId;
        int pickedLayer;
    } cases[] = {{true, true, true, 1, 0},   {false, true, true, 2, 1},
                 {false, false, true, 5, 2}, {false, false, false, 0, 0},
                 {true, false, false, 1, 0}, {false, true, false, 2, 1}};
    for (const auto& c : cases) {
        LayerVisibility shown;
        shown.Set(0, c.show0);
        shown.Set(1, c.show1);
        shown.Set(2, c.show2);
        const PickResult pick = PickDrawnChip(map, 0, 0, x, y, shown);
        SCOPED_TRACE(testing::Message() << c.show0 << c.show1 << c.show2);
        if (c.pickedId == 0) {
            EXPECT_EQ(pick.kind, PickResult::Kind::kEraser);
        } else {
            EXPECT_EQ(pick.chip.chipId, c.pickedId);
            EXPECT_EQ(pick.chip.layer, static_cast<uint32_t>(c.pickedLayer));
        }
    }
}

TEST(DrawnChip, OutsideTheMapPicksAndErasesNothing) {
    MapModel map;
    Draw(map, {"1...|....|....", kEmpty, "...5|....|...."});
    EXPECT_EQ(PickDrawnChip(map, 0, 0, 4 * 40, 0).kind, PickResult::Kind::kNothing);
    EXPECT_EQ(PickDrawnChip(map, 0, 0, 0, 3 * 40).kind, PickResult::Kind::kNothing);
    EXPECT_TRUE(EraseCellWrites(map, CellPoint{4, 0}).empty());
    EXPECT_TRUE(EraseCellWrites(map, CellPoint{0, -1}).empty());
}

}  // namespace

namespace {

struct CoveringCase {
    Pictures map;  // 3 x 3 cells
    CellWrites writes;
    uint32_t covered;
};

class CoveredWrites : public ::testing::TestWithParam<CoveringCase> {};

CellWrite Lay(uint32_t index, uint8_t layer, uint32_t id) { return CellWrite{index, layer, CellFor(id, layer)}; }

const Pictures kEmpty3x3{"...|...|...", "...|...|...", "...|...|..."};
const Pictures kUpperInFirstCell{"1..|...|...", "...|...|...", "...|...|..."};
const Pictures kSmallInMiddle{"...|...|...", "...|.1.|...", "...|...|..."};

}  // namespace

// The same writes also move each layer's count of chips as a count of the map after them would.
TEST_P(CoveredWrites, CountsTheChipsAnUpperLayerDrawsOverAndThoseEachLayerHolds) {
    MapModel map;
    Draw(map, GetParam().map);
    EXPECT_EQ(CoveredChipWrites(map, GetParam().writes), GetParam().covered);
    LayerChipCounts counts = CountLayerChips(map);
    CountWrittenChips(map, GetParam().writes, counts);
    for (const CellWrite& w : GetParam().writes)
        if (w.layer <= 2 && w.index < map.CellCount()) map.Layer(w.layer)[w.index] = w.cell;
    const LayerChipCounts recounted = CountLayerChips(map);
    for (int layer : {0, 1, 2}) EXPECT_EQ(counts.cells[layer], recounted.cells[layer]) << layer;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CoveredWrites,
    ::testing::Values(CoveringCase{kUpperInFirstCell, {Lay(0, 1, 2), Lay(1, 1, 2)}, 1},  // under layer 0
                      CoveringCase{kSmallInMiddle, {Lay(0, 2, 3)}, 1},  // its lower right under a small chip
                      CoveringCase{kSmallInMiddle, {Lay(2, 2, 3), Lay(6, 2, 3)}, 0},
                      CoveringCase{kEmpty3x3, {Lay(0, 2, 3), Lay(4, 0, 1)}, 1},  // under a chip of the same writes
                      CoveringCase{kUpperInFirstCell, {Lay(0, 0, 0), Lay(0, 1, 2)}, 0},  // the upper chip emptied
                      CoveringCase{kUpperInFirstCell, {Lay(0, 1, 4), Lay(0, 1, 0)}, 0},  // the last write counts
                      CoveringCase{{"...|...|...", "...|...|...", "1..|...|..."}, {Lay(1, 0, 1)}, 0},  // layer 0
                      CoveringCase{kUpperInFirstCell, {Lay(9, 1, 2), Lay(0, 7, 2)}, 0}));  // outside the map
