#include <gtest/gtest.h>

#include <vector>

#include "map/core/ConflictChoice.h"
#include "map/core/ConflictMarks.h"
#include "map/core/Stage.h"

namespace {

CellConflict MarkedConflict(uint32_t column, uint32_t row, uint8_t layer, uint32_t theirs) {
    return CellConflict{column, row, layer, {}, {true, 9}, {true, theirs}};
}

// As a conflicts file lists them (layer 2, 1, 0, each row by row); reading order is 3, 0, 2, 1.
const std::vector<CellConflict> kListedConflicts{MarkedConflict(3, 1, 2, 6), MarkedConflict(0, 2, 1, 0),
                                                 MarkedConflict(3, 1, 0, 8), MarkedConflict(1, 0, 0, 4)};
constexpr size_t kNoConflict = ConflictMarks::kNone;

struct NextConflictCase {
    std::vector<size_t> closed;
    size_t after, next;
};
class NextConflict : public ::testing::TestWithParam<NextConflictCase> {};
TEST_P(NextConflict, GoesThroughTheOpenOnesInReadingOrderAndRound) {
    ConflictMarks marks(kListedConflicts);
    for (size_t index : GetParam().closed) marks.SetOpen(index, false);
    EXPECT_EQ(marks.NextOpen(GetParam().after), GetParam().next);
}
INSTANTIATE_TEST_SUITE_P(Cases, NextConflict,
                         ::testing::Values(NextConflictCase{{}, kNoConflict, 0}, NextConflictCase{{}, 1, 2},
                                           NextConflictCase{{}, 3, 0}, NextConflictCase{{1, 2}, 0, 3},
                                           NextConflictCase{{0, 1, 3}, 2, 2},
                                           NextConflictCase{{0, 1, 2, 3}, kNoConflict, kNoConflict}));

// The open cells within an area are those of the whole map that lie in it, in the same order.
class OpenConflictCellsIn : public ::testing::TestWithParam<CellRect> {};
TEST_P(OpenConflictCellsIn, AreTheOpenCellsOfTheMapInTheArea) {
    ConflictMarks marks(kListedConflicts);
    marks.SetOpen(0, false);  // (1, 0)
    std::vector<CellPoint> expected;
    const CellRect area = GetParam();
    for (const CellPoint& cell : marks.OpenCells({3, 3}))
        if (cell.column >= area.left && cell.column <= area.right && cell.row >= area.top && cell.row <= area.bottom)
            expected.push_back(cell);
    EXPECT_EQ(marks.OpenCellsIn(area, {3, 3}), expected);
}
INSTANTIATE_TEST_SUITE_P(Areas, OpenConflictCellsIn,
                         ::testing::Values(CellRect{0, 0, 15, 11}, CellRect{1, 0, 3, 1}, CellRect{-4, -4, 0, 2},
                                           CellRect{3, 2, 3, 2}, CellRect{2, 1, 1, 1}));

// Keeping ours and taking theirs, of a cell or a value, are each one step, which undo takes
// back with the conflict.
TEST(ConflictMarks, ResolvingIsOneStepThatUndoOpensAgain) {
    Stage stage;  // 16 x 12 empty cells
    stage.SetConflicts(ConflictMarks(kListedConflicts));
    CellWrites theirs;  // chip 6 into layer 2 of cell (3, 1); none outside a smaller map
    EXPECT_FALSE(TakeTheirsWrites(stage.Conflicts().At(1), {3, 3}, PaletteModel(0), PaletteModel(0), theirs));
    ASSERT_TRUE(TakeTheirsWrites(stage.Conflicts().At(1), stage.Map().CellCounts(), PaletteModel(0),
                                 PaletteModel(0), theirs));
    ASSERT_TRUE(stage.ResolveConflict(1, theirs));
    EXPECT_FALSE(stage.ResolveConflict(1, theirs));
    ASSERT_TRUE(stage.ResolveConflict(2, {}));
    ASSERT_TRUE(stage.Undo());
    EXPECT_TRUE(stage.Conflicts().IsOpen(2));
    EXPECT_EQ(stage.Map().Layer(2)[16 + 3].chipId, 6u);
    ASSERT_TRUE(stage.Undo());
    EXPECT_TRUE(stage.Conflicts().IsOpen(1));
    EXPECT_EQ(stage.Map().Layer(2)[16 + 3].chipId, 0u);
    stage.SetConflicts(ConflictMarks({}, {MergeField::kStart, MergeField::kMusic}));
    StageSettings theirMusic = stage.Settings();
    theirMusic.numbers.music = 5;
    ASSERT_TRUE(stage.ResolveFieldConflict(1, &theirMusic));
    EXPECT_FALSE(stage.ResolveFieldConflict(1, nullptr));
    ASSERT_TRUE(stage.Undo());
    EXPECT_TRUE(stage.Conflicts().IsFieldOpen(1) && stage.Settings().numbers.music == 0);
    ASSERT_TRUE(stage.New());
    EXPECT_TRUE(stage.Conflicts().Empty());
}

// Theirs taken of one value changes that value only; the size cannot be taken.
struct TakenFieldCase {
    MergeField field;
    bool taken;
    StageSettings expected;
};
class SettingsTakingTheirsField : public ::testing::TestWithParam<TakenFieldCase> {};
TEST_P(SettingsTakingTheirsField, ChangesThatValueOnly) {
    const StageSettings ours{320, 240, false, {10, 300, 0, 0}, "a"};
    MapDocument theirs;
    theirs.mapWidth = 1600, theirs.startX = 40, theirs.startY = 60, theirs.startUnspecified = true;
    theirs.SetStage({11, 6, 2, 5});
    theirs.comment = {'b', 0, 'c'};
    StageSettings taken = ours;
    EXPECT_EQ(SettingsTakingTheirs(ours, theirs, GetParam().field, taken), GetParam().taken);
    EXPECT_EQ(taken, GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Fields, SettingsTakingTheirsField,
    ::testing::Values(TakenFieldCase{MergeField::kSize, false, {320, 240, false, {10, 300, 0, 0}, "a"}},
                      TakenFieldCase{MergeField::kStart, true, {40, 60, true, {10, 300, 0, 0}, "a"}},
                      TakenFieldCase{MergeField::kTargetTime, true, {320, 240, false, {11, 300, 0, 0}, "a"}},
                      TakenFieldCase{MergeField::kTimeLimit, true, {320, 240, false, {10, 6, 0, 0}, "a"}},
                      TakenFieldCase{MergeField::kBackgroundImage, true, {320, 240, false, {10, 300, 2, 0}, "a"}},
                      TakenFieldCase{MergeField::kMusic, true, {320, 240, false, {10, 300, 0, 5}, "a"}},
                      TakenFieldCase{MergeField::kComment, true, {320, 240, false, {10, 300, 0, 0}, "b"}}));

}  // namespace
