// The tools of the ツール menu as the mouse drives them: a press, the drag's cells, the release.
#include <gtest/gtest.h>

#include <vector>

#include "CellRulesTestSupport.h"
#include "map/core/tools/EraserTool.h"
#include "map/core/tools/LineTool.h"
#include "map/core/tools/PenTool.h"

namespace {

using namespace cell_rules_test;

// The tool pressed on the first cell, dragged through the others and released, its writes
// applied to the map as the stage applies them.
void Use(MapTool& tool, MapModel& map, const ChipEntry& chip, const std::vector<CellPoint>& cells,
         bool shift = false) {
    auto input = [&](CellPoint cell, bool withShift) {
        return ToolInput{map, chip, cell, ViewCells(0, 0), withShift};
    };
    Apply(map, tool.Press(input(cells.front(), shift)).writes);
    for (size_t i = 1; i < cells.size(); ++i) Apply(map, tool.Drag(input(cells[i], false)).writes);
    Apply(map, tool.Release(input(cells.back(), false)).writes);
}

struct EraseCase {
    const char* name;
    Pictures before;
    std::vector<CellPoint> cells;
    Pictures after;
};

// The eraser writes what the pen writes with the eraser in hand, whatever chip is in hand: every
// layer of each cell it reaches, and a large chip that covers one of them from a neighbour.
TEST(EraserTool, ErasesAsThePenWithTheEraserWhateverChipIsInHand) {
    const EraseCase cases[] = {
        {"a row dragged under large chips", {"1111|1111|1111", "2222|2222|2222", "3.3.|....|3.3."},
         {{0, 1}, {3, 1}}, {"1111|....|1111", "2222|....|2222", "....|....|3.3."}},
        {"a click on a cell only a large chip covers", {"....|....|....", "....|....|....", "....|.4..|...."},
         {{2, 2}}, {"....|....|....", "....|....|....", "....|....|...."}},
    };
    for (const EraseCase& c : cases) {
        for (const ChipEntry& inHand : {ChipEntry{1, 40, 0, 0}, ChipEntry{3, 120, 0, 2}, kEraser}) {
            MapModel erased, penned;
            Draw(erased, c.before);
            Draw(penned, c.before);
            EraserTool eraser;
            PenTool pen;
            Use(eraser, erased, inHand, c.cells);
            Use(pen, penned, kEraserChip, c.cells);
            ExpectPictures(erased, c.after);
            ExpectPictures(penned, c.after);
            EXPECT_EQ(eraser.Pointer(inHand), ToolPointer::kOwn) << c.name;
        }
    }
}

struct LineCase {
    const char* name;
    ChipEntry chip;
    CellPoint from, to;
    std::vector<CellPoint> penStroke;  // the pen's stroke before its Shift+click on `to`
    Pictures after;                    // of an empty 6 x 4 map
};

// The line tool paints the pen's gapless line between the cell pressed and the cell released
// over, large chips on the stride from the cell pressed, whatever the drag passed meanwhile; a
// Shift+click of the pen paints the same line from the last cell its stroke laid a chip on.
TEST(LineTool, PaintsThePensLineBetweenPressAndReleaseAsAShiftClickOfThePenDoes) {
    const Pictures empty{"......|......|......|......", "......|......|......|......",
                         "......|......|......|......"};
    const LineCase cases[] = {
        {"a row of small chips", ChipEntry{1, 40, 0, 0}, {0, 1}, {4, 1}, {{0, 1}},
         {"......|11111.|......|......", empty.layer1, empty.layer2}},
        {"a diagonal leaves no corner gap", ChipEntry{1, 40, 0, 0}, {0, 0}, {3, 3}, {{0, 0}},
         {"11....|.11...|..11..|...1..", empty.layer1, empty.layer2}},
        {"large chips on the stride from the start", ChipEntry{3, 120, 0, 2}, {0, 1}, {5, 1},
         {{0, 1}, {3, 1}}, {empty.layer0, empty.layer1, "......|3.3.3.|......|......"}},
    };
    for (const LineCase& c : cases) {
        MapModel lined, penned;
        Draw(lined, empty);
        Draw(penned, empty);
        LineTool line;
        Use(line, lined, c.chip, {c.from, {5, 3}, {0, 3}, c.to});
        EXPECT_TRUE(line.Preview(lined, c.chip, ViewCells(0, 0)).empty()) << c.name;
        PenTool pen;
        Use(pen, penned, c.chip, c.penStroke);
        Use(pen, penned, c.chip, {c.to}, true);
        ExpectPictures(lined, c.after);
        ExpectPictures(penned, c.after);
    }
    // Without a cell painted before, Shift+click paints the cell clicked alone.
    MapModel map;
    Draw(map, empty);
    PenTool pen;
    Use(pen, map, ChipEntry{1, 40, 0, 0}, {{2, 2}}, true);
    ExpectPictures(map, {"......|......|..1...|......", empty.layer1, empty.layer2});
}

}  // namespace
