#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "CellRulesTestSupport.h"
#include "map/core/PenStroke.h"
#include "map/core/StrokeLine.h"

using namespace cell_rules_test;

namespace {

std::string Describe(const std::vector<CellPoint>& cells) {
    std::ostringstream out;
    for (const CellPoint& cell : cells) out << (&cell == &cells[0] ? "" : " ") << cell.column << "," << cell.row;
    return out.str();
}

// True when the segment between the two points meets the closed square of the cell.
bool SegmentMeetsCell(double x0, double y0, double x1, double y1, CellPoint cell) {
    double enter = 0, leave = 1;
    const double d[2] = {x1 - x0, y1 - y0};
    const double p[2] = {x0, y0};
    const double low[2] = {double(cell.column), double(cell.row)};
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0) {
            if (p[axis] < low[axis] || p[axis] > low[axis] + 1) return false;
            continue;
        }
        double t0 = (low[axis] - p[axis]) / d[axis], t1 = (low[axis] + 1 - p[axis]) / d[axis];
        if (t0 > t1) std::swap(t0, t1);
        enter = std::max(enter, t0);
        leave = std::min(leave, t1);
    }
    return enter <= leave;
}

struct LineCase {
    const char* name;
    CellPoint from;
    CellPoint to;
    const char* cells;
};

void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }

class LineCells : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineCells, AreTheCellsTheSegmentCrosses) {
    EXPECT_EQ(Describe(CellsOnLine(GetParam().from, GetParam().to)), GetParam().cells);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineCells,
    ::testing::Values(LineCase{"oneCell", {2, 3}, {2, 3}, "2,3"},
                      LineCase{"alongARow", {0, 0}, {3, 0}, "0,0 1,0 2,0 3,0"},
                      LineCase{"upAColumn", {0, 3}, {0, 1}, "0,3 0,2 0,1"},
                      LineCase{"diagonalTakesTheColumnStepAtEachCorner", {0, 0}, {2, 2},
                               "0,0 1,0 1,1 2,1 2,2"},
                      LineCase{"shallowThroughACorner", {0, 0}, {3, 1}, "0,0 1,0 2,0 2,1 3,1"},
                      LineCase{"steepThroughACorner", {0, 0}, {1, 3}, "0,0 0,1 1,1 1,2 1,3"},
                      LineCase{"upAndLeft", {3, 2}, {0, 0}, "3,2 2,2 2,1 1,1 1,0 0,0"},
                      LineCase{"outsideTheMapToo", {-1, 0}, {1, -1}, "-1,0 0,0 0,-1 1,-1"}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

// Every segment within a window: both ends, |dx| + |dy| + 1 cells each beside the last, and
// every cell one the segment between the two centres meets.
TEST(LineCells, JoinSideToSideAndLieOnTheSegment) {
    for (int32_t x0 = -4; x0 <= 4; ++x0)
        for (int32_t y0 = -4; y0 <= 4; ++y0)
            for (int32_t x1 = -4; x1 <= 4; ++x1)
                for (int32_t y1 = -4; y1 <= 4; ++y1) {
                    const std::vector<CellPoint> cells = CellsOnLine({x0, y0}, {x1, y1});
                    SCOPED_TRACE(Describe(cells));
                    ASSERT_EQ(cells.size(), size_t(std::abs(x1 - x0) + std::abs(y1 - y0) + 1));
                    ASSERT_EQ(cells.front(), (CellPoint{x0, y0}));
                    ASSERT_EQ(cells.back(), (CellPoint{x1, y1}));
                    for (size_t i = 0; i < cells.size(); ++i) {
                        ASSERT_TRUE(SegmentMeetsCell(x0 + 0.5, y0 + 0.5, x1 + 0.5, y1 + 0.5, cells[i]));
                        if (i > 0) {
                            ASSERT_EQ(std::abs(cells[i].column - cells[i - 1].column) +
                                          std::abs(cells[i].row - cells[i - 1].row),
                                      1);
                        }
                    }
                }
}

struct StrokeCase {
    const char* name;
    Pictures map;
    ChipEntry chip;
    std::vector<CellPoint> pointer;  // the press, then each cell the pointer was seen in
    Pictures after;
};

void PrintTo(const StrokeCase& c, std::ostream* out) { *out << c.name; }

class StrokeSegments : public ::testing::TestWithParam<StrokeCase> {};

TEST_P(StrokeSegments, PaintsEveryCellBetweenThePointerSamples) {
    const StrokeCase& c = GetParam();
    MapModel map;
    Draw(map, c.map);
    const CellPoint start = c.pointer.front();
    Apply(map, PenCellWrites(map, c.chip, start, start));
    for (size_t i = 1; i < c.pointer.size(); ++i)
        Apply(map, StrokeSegmentWrites(map, c.chip, start, c.pointer[i - 1], c.pointer[i]));
    ExpectPictures(map, c.after);
}

const char* const kEmpty = ".......|.......|.......";
const ChipEntry kSmall5{5, 200, 0, 0};
const ChipEntry kLarge7{7, 280, 80, 2};

INSTANTIATE_TEST_SUITE_P(
    Cases, StrokeSegments,
    ::testing::Values(
        StrokeCase{"fastDragAlongARow", {kEmpty, kEmpty, kEmpty}, kSmall5, {{0, 1}, {3, 1}, {6, 1}},
                   {".......|5555555|.......", kEmpty, kEmpty}},
        StrokeCase{"diagonalDragStaysJoined", {kEmpty, kEmpty, kEmpty}, kSmall5, {{0, 0}, {2, 2}},
                   {"55.....|.55....|..5....", kEmpty, kEmpty}},
        StrokeCase{"dragLeavingTheMap", {kEmpty, kEmpty, kEmpty}, kSmall5, {{5, 2}, {9, 2}, {9, 0}},
                   {".......|.......|.....55", kEmpty, kEmpty}},
        StrokeCase{"largeChipsTileAlongARow", {kEmpty, kEmpty, kEmpty}, kLarge7, {{1, 0}, {6, 0}},
                   {kEmpty, kEmpty, ".7.7.7.|.......|......."}},
        StrokeCase{"largeChipsOnlyOnTheStridesRows", {kEmpty, kEmpty, kEmpty}, kLarge7,
                   {{0, 0}, {0, 1}, {4, 1}, {4, 2}}, {kEmpty, kEmpty, "7......|.......|....7.."}},
        StrokeCase{"eraserTakesEachCoveringChipOnce",
                   {"1......|.......|.......", kEmpty, ".3.4...|5......|.....6."}, kEraser,
                   {{6, 1}, {0, 1}},
                   {"1......|.......|.......", kEmpty, ".......|.......|.....6."}}),
    [](const ::testing::TestParamInfo<StrokeCase>& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// The pen's drag as the view reports it: the press, then the cells the pointer was seen over,
// painted only where the designer sees them (the view's cells, here columns 1 to 5).
struct DragCase {
    const char* name;
    ChipEntry chip;
    std::vector<CellPoint> pointer;
    const char* layer;  // the picture of the chip's layer afterwards
};

void PrintTo(const DragCase& c, std::ostream* out) { *out << c.name; }

class PenDrag : public ::testing::TestWithParam<DragCase> {};

TEST_P(PenDrag, PaintsTheLinesBetweenSamplesWithinTheView) {
    const DragCase& c = GetParam();
    MapModel map;
    Draw(map, {kEmpty, kEmpty, kEmpty});
    const CellRect view{1, 0, 5, 2};
    PenStroke stroke;
    EXPECT_TRUE(stroke.MoveTo(map, c.chip, c.pointer.back(), view).empty());  // no press yet
    Apply(map, stroke.Begin(map, c.chip, c.pointer.front(), view));
    for (size_t i = 1; i < c.pointer.size(); ++i) {
        const CellWrites writes = stroke.MoveTo(map, c.chip, c.pointer[i], view);
        if (c.pointer[i] == c.pointer[i - 1]) EXPECT_TRUE(writes.empty());
        Apply(map, writes);
    }
    stroke.End();
    EXPECT_TRUE(stroke.MoveTo(map, c.chip, CellPoint{3, 1}, view).empty());
    EXPECT_EQ(Picture(map, static_cast<int>(c.chip.layer)), c.layer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PenDrag,
    ::testing::Values(
        DragCase{"samplesThreeCellsApart", kSmall5, {{1, 1}, {4, 1}, {4, 1}, {1, 1}},
                 ".......|.5555..|......."},
        DragCase{"leavingTheViewPaintsUpToItsEdge", kSmall5, {{3, 0}, {8, 0}, {8, 2}},
                 "...555.|.......|......."},
        DragCase{"comingBackFromOutsideItPaintsFromItsEdge", kSmall5, {{3, 2}, {-4, 2}, {-4, 0}, {2, 0}},
                 ".55....|.......|.555..."},
        DragCase{"fromOutsideToOutsideItPaintsNothing", kSmall5, {{4, 1}, {8, 1}, {-4, 1}, {-4, 2}, {2, 2}},
                 ".......|....55.|.55...."},
        DragCase{"aPressOutsideTheViewPaintsOnlyOnceThePointerIsIn", kSmall5, {{0, 1}, {2, 1}},
                 ".......|.55....|......."},
        DragCase{"largeChipsOnTheStrideFromThePress", kLarge7, {{2, 0}, {5, 0}, {5, 2}, {2, 2}},
                 "..7.7..|.......|..7.7.."}),
    [](const ::testing::TestParamInfo<DragCase>& info) { return std::string(info.param.name); });

}  // namespace
