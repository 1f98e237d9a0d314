// The tools of the ツール menu as the mouse drives them: a press, the drag's cells, the release.
#include <gtest/gtest.h>

#include <vector>

#include "CellRulesTestSupport.h"
#include "map/core/tools/EraserTool.h"
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

}  // namespace
