#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "map/core/MapMerge.h"

namespace {

using Change = std::function<void(MapDocument&)>;
using F = MergeField;

// A new size keeping the cells by column and row, as the editor's resize does.
void Resize(MapDocument& doc, uint32_t columns, uint32_t rows) {
    for (auto* ids : {&doc.layer0Ids, &doc.layer1Ids, &doc.layer2Ids}) {
        std::vector<uint32_t> resized(size_t{columns} * rows, 0);
        for (uint32_t r = 0; r < std::min(rows, doc.CellsY()); ++r)
            for (uint32_t c = 0; c < std::min(columns, doc.CellsX()); ++c)
                resized[r * columns + c] = (*ids)[r * doc.CellsX() + c];
        *ids = resized;
    }
    doc.mapWidth = static_cast<int32_t>(columns) * 40, doc.mapHeight = static_cast<int32_t>(rows) * 40;
}

Change Cell(int layer, uint32_t column, uint32_t row, uint32_t id) {
    return [=](MapDocument& doc) {
        (layer == 2 ? doc.layer2Ids : layer == 1 ? doc.layer1Ids : doc.layer0Ids)[row * doc.CellsX() + column] = id;
    };
}
Change Both(Change a, Change b) { return [=](MapDocument& doc) { a(doc), b(doc); }; }
Change Size(uint32_t columns, uint32_t rows) { return [=](MapDocument& doc) { Resize(doc, columns, rows); }; }
Change Start(int32_t x, int32_t y) { return [=](MapDocument& d) { d.startUnspecified = false, d.startX = x, d.startY = y; }; }
Change Numbers(int32_t a, int32_t b, int32_t c, int32_t d) { return [=](MapDocument& doc) { doc.SetStage({a, b, c, d}); }; }
Change Comment(const char* text) { return [=](MapDocument& doc) { doc.comment.assign(text, text + strlen(text)); }; }
MergeCellValue Id(uint32_t id) { return MergeCellValue{true, id}; }
// 3 x 2 cells, a chip in each layer, the start not specified, the default numbers, a comment.
MapDocument MergeBase() {
    MapDocument doc;
    Resize(doc, 3, 2);
    Both(Both(Cell(2, 0, 0, 35), Cell(1, 2, 1, 2)), Cell(0, 1, 0, 26))(doc);
    doc.comment = {'b'};
    return doc;
}

struct MergeCase {
    const char* name;
    Change ours, theirs, merged;  // each from the base
    std::vector<MergeField> fields;
    std::vector<CellConflict> cells;
};

class MergeMapsTest : public ::testing::TestWithParam<MergeCase> {};
TEST_P(MergeMapsTest, TakesEachSidesChangesAndRecordsConflicts) {
    const MergeCase& c = GetParam();
    const MapDocument base = MergeBase();
    MapDocument ours = base, theirs = base, expected = base;
    c.ours(ours), c.theirs(theirs), c.merged(expected);
    const MapMergeResult result = MergeMaps(base, ours, theirs);
    EXPECT_EQ(result.merged, expected);
    EXPECT_EQ(result.conflicts.fields, c.fields);
    EXPECT_EQ(result.conflicts.cells, c.cells);
    // Without conflicts it does not matter which side is ours.
    if (c.fields.empty() && c.cells.empty()) EXPECT_EQ(MergeMaps(base, theirs, ours).merged, expected);
}

const Change kEveryField = Both(Both(Start(40, 40), Numbers(20, 200, 2, 3)), Comment("o"));
INSTANTIATE_TEST_SUITE_P(
    Cases, MergeMapsTest,
    ::testing::Values(
        MergeCase{"cellsOfEachSide", Cell(0, 1, 0, 3), Cell(0, 2, 0, 4), Both(Cell(0, 1, 0, 3), Cell(0, 2, 0, 4))},
        MergeCase{"cellChangedAlike", Cell(1, 1, 1, 6), Cell(1, 1, 1, 6), Cell(1, 1, 1, 6)},
        MergeCase{"cellChangedDifferently", Cell(1, 1, 1, 6), Cell(1, 1, 1, 8), Cell(1, 1, 1, 6), {},
                  {{1, 1, 1, Id(0), Id(6), Id(8)}}},
        MergeCase{"fieldsOfEachSide", Both(Start(40, 40), Numbers(10, 200, 0, 3)), Both(Numbers(20, 300, 2, 0),
                  Comment("t")), Both(Both(Start(40, 40), Numbers(20, 200, 2, 3)), Comment("t"))},
        MergeCase{"fieldsChangedAlike", kEveryField, kEveryField, kEveryField},
        MergeCase{"fieldsChangedDifferently", kEveryField,
                  Both(Both(Start(40, 80), Numbers(30, 100, 1, 4)), Comment("t")), kEveryField,
                  {F::kStart, F::kTargetTime, F::kTimeLimit, F::kBackgroundImage, F::kMusic, F::kComment}},
        MergeCase{"positionOfAnUnspecifiedStartIsNoChange",
                  [](MapDocument& doc) { doc.startX = 999, doc.startY = 40; }, Start(0, 0), Start(0, 0)},
        MergeCase{"oneSideGrows", Cell(0, 0, 1, 1), Both(Size(4, 3), Cell(2, 3, 2, 9)),
                  Both(Both(Size(4, 3), Cell(2, 3, 2, 9)), Cell(0, 0, 1, 1))},
        MergeCase{"oneSideShrinksAwayFromTheOthersCells", Size(2, 1), Cell(0, 0, 0, 7),
                  Both(Size(2, 1), Cell(0, 0, 0, 7))},
        MergeCase{"shrinkingDropsTheOthersCell", Size(2, 2), Cell(0, 2, 1, 4), Size(2, 2), {F::kSize}},
        MergeCase{"othersShrinkingWouldDropOursCell", Cell(0, 2, 1, 4), Size(2, 2), Cell(0, 2, 1, 4), {F::kSize}},
        MergeCase{"bothGrowAlike", Both(Size(4, 2), Cell(1, 3, 0, 5)), Both(Size(4, 2), Cell(1, 3, 1, 6)),
                  Both(Size(4, 2), Both(Cell(1, 3, 0, 5), Cell(1, 3, 1, 6)))},
        MergeCase{"bothAddACellDifferently", Both(Size(4, 2), Cell(0, 3, 1, 1)), Both(Size(4, 2), Cell(0, 3, 1, 2)),
                  Both(Size(4, 2), Cell(0, 3, 1, 1)), {}, {{3, 1, 0, {}, Id(1), Id(2)}}},
        MergeCase{"twoNewSizes", Size(4, 2), Both(Size(3, 3), Cell(2, 0, 2, 9)), Size(4, 2), {F::kSize}}),
    [](const ::testing::TestParamInfo<MergeCase>& info) { return std::string(info.param.name); });

}  // namespace
