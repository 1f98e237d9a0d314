#include <gtest/gtest.h>

#include "map/core/ToolState.h"
#include "map/core/tools/ToolTable.h"
#include "resource.h"

// Found by argument-dependent lookup, so it must live where CellRect does; static keeps it to
// this file.
static std::ostream& operator<<(std::ostream& out, const CellRect& r) {
    return out << "{" << r.left << "," << r.top << " .. " << r.right << "," << r.bottom << "}";
}

namespace {

struct PointCase {
    int32_t x, y, scrollX, scrollY;
    CellPoint cell;
};

// Inside the view as the view's cells; outside it rounded down, so the pixel just left of or
// above the view lies in the cell before it, never in the view's first one.
TEST(ViewPointCell, RoundsDownInsideAndOutsideTheView) {
    const PointCase cases[] = {
        {0, 0, 0, 0, {0, 0}},        {39, 39, 0, 0, {0, 0}},      {40, 79, 0, 0, {1, 1}},
        {85, 41, 3, 2, {5, 3}},      {-1, 0, 0, 0, {-1, 0}},      {-40, -41, 2, 2, {1, 0}},
        {700, 500, 0, 0, {17, 12}},  {-32768, 0, 0, 0, {-820, 0}},
    };
    for (const PointCase& c : cases)
        EXPECT_EQ(ViewPointCell(c.x, c.y, c.scrollX, c.scrollY), c.cell) << c.x << "," << c.y;
    EXPECT_EQ(ViewCells(3, 2), (CellRect{3, 2, 18, 13}));
}

CellBlock BlockOf(uint32_t columns, uint32_t rows) {
    CellBlock block;
    block.columns = columns;
    block.rows = rows;
    for (auto& layer : block.layers) layer.assign(size_t{columns} * rows, 1);
    return block;
}

const MapCellCounts k16x12{16, 12};

const size_t kPen = ToolOfCommand(ID_TOOL_PEN);
const size_t kRectangle = ToolOfCommand(ID_TOOL_RECTANGLE);
const size_t kFill = ToolOfCommand(ID_TOOL_FILL);
const size_t kSelection = ToolOfCommand(ID_TOOL_SELECTION);

// The editor's tools over a 16 x 12 map, pressed and dragged over cells as the mouse would.
struct Tools : ToolState {
    MapModel map;
    Tools() : ToolState(MakeTools()) {}
    ToolInput At(CellPoint cell) const { return ToolInput{map, ChipEntry{}, cell, ViewCells(0, 0)}; }
    void BeginDrag(CellPoint cell) { Press(At(cell)); }
    bool DragTo(CellPoint cell) { return Drag(At(cell)).redraw; }
    void EndDrag() { Tool().Cancel(); }
};

TEST(ToolState, EscapeClearsThePasteThenTheDragThenTheSelection) {
    Tools tools;
    tools.SelectTool(kSelection);
    tools.Select(CellRect{1, 1, 3, 3}, k16x12);
    tools.BeginDrag(CellPoint{5, 5});
    tools.StartPaste(BlockOf(2, 2));
    EXPECT_EQ(tools.Escape(), Cleared::kPaste);
    EXPECT_FALSE(tools.Pasting());
    EXPECT_EQ(tools.Escape(), Cleared::kDrag);
    EXPECT_FALSE(tools.Dragging());
    EXPECT_EQ(tools.Escape(), Cleared::kSelection);
    EXPECT_FALSE(tools.HasSelection());
    EXPECT_EQ(tools.Escape(), Cleared::kNothing);
    // A pen stroke is no mark to clear: Escape then closes the program as before, and the
    // stroke goes on.
    tools.SelectTool(kPen);
    tools.BeginDrag(CellPoint{0, 0});
    EXPECT_EQ(tools.Escape(), Cleared::kNothing);
    EXPECT_TRUE(tools.Dragging());
}

TEST(ToolState, AnotherToolOrANewMapEndsEveryMarkButTheSameToolKeepsThem) {
    Tools tools;
    EXPECT_EQ(tools.Active(), kPen);
    auto mark = [&tools] {
        tools.Select(CellRect{0, 0, 1, 1}, k16x12);
        tools.BeginDrag(CellPoint{2, 2});
        tools.StartPaste(BlockOf(1, 1));
    };
    tools.SelectTool(kSelection);
    mark();
    tools.SelectTool(kSelection);
    EXPECT_TRUE(tools.HasSelection() && tools.Dragging() && tools.Pasting());
    tools.SelectTool(kFill);
    EXPECT_FALSE(tools.HasSelection() || tools.Dragging() || tools.Pasting());
    tools.SelectTool(kSelection);
    mark();
    tools.ForgetMap();
    EXPECT_FALSE(tools.HasSelection() || tools.Dragging() || tools.Pasting());
    EXPECT_EQ(tools.Active(), kSelection);
    // A block of no cells starts no paste.
    tools.StartPaste(CellBlock{});
    EXPECT_FALSE(tools.Pasting());
}

struct SelectCase {
    CellRect dragged;
    CellRect selected;  // empty: none
};

TEST(ToolState, TheSelectionIsTheDraggedRectanglesPartInsideTheMap) {
    const SelectCase cases[] = {
        {{2, 3, 4, 5}, {2, 3, 4, 5}},
        {{-3, -2, 1, 1}, {0, 0, 1, 1}},
        {{14, 10, 20, 30}, {14, 10, 15, 11}},
        {{16, 0, 18, 3}, {}},    // wholly right of the map
        {{-5, -5, -1, 2}, {}},   // wholly left of it
    };
    for (const SelectCase& c : cases) {
        Tools tools;
        tools.Select(CellRect{1, 1, 1, 1}, k16x12);
        tools.Select(c.dragged, k16x12);
        EXPECT_EQ(tools.HasSelection(), !c.selected.Empty()) << c.dragged;
        if (!c.selected.Empty()) EXPECT_EQ(tools.Selection(), c.selected) << c.dragged;
    }
    // A map made smaller (an undo, the edit area) keeps the part still inside it.
    Tools tools;
    tools.Select(CellRect{10, 8, 15, 11}, k16x12);
    tools.KeepInMap(MapCellCounts{12, 10});
    EXPECT_EQ(tools.Selection(), (CellRect{10, 8, 11, 9}));
    tools.KeepInMap(MapCellCounts{8, 8});
    EXPECT_FALSE(tools.HasSelection());
}

TEST(ToolState, OutlinesFollowTheDragTheSelectionAndThePastedBlock) {
    Tools tools;
    tools.SelectTool(kRectangle);
    EXPECT_TRUE(tools.Outlines(k16x12).empty());
    tools.BeginDrag(CellPoint{5, 4});
    EXPECT_FALSE(tools.DragTo(CellPoint{5, 4}));  // the same cell: nothing to redraw
    EXPECT_TRUE(tools.DragTo(CellPoint{-2, 20}));
    ASSERT_EQ(tools.Outlines(k16x12).size(), 1u);
    EXPECT_EQ(tools.Outlines(k16x12)[0], (CellRect{0, 4, 5, 11}));
    tools.EndDrag();
    EXPECT_FALSE(tools.DragTo(CellPoint{1, 1}));
    EXPECT_TRUE(tools.Outlines(k16x12).empty());

    // The selection shows while no new one is dragged; a fill's click outlines nothing.
    tools.SelectTool(kSelection);
    tools.Select(CellRect{1, 1, 2, 2}, k16x12);
    tools.BeginDrag(CellPoint{7, 7});
    EXPECT_EQ(tools.Outlines(k16x12), (std::vector<CellRect>{{7, 7, 7, 7}}));
    tools.EndDrag();
    EXPECT_EQ(tools.Outlines(k16x12), (std::vector<CellRect>{{1, 1, 2, 2}}));

    // The pasted block at the pointer, cut at the map's edge, and only while the pointer is in.
    tools.StartPaste(BlockOf(3, 2));
    EXPECT_EQ(tools.Outlines(k16x12).size(), 1u);
    tools.PointerAt(CellPoint{14, 11});
    EXPECT_EQ(tools.PasteCells(k16x12), (CellRect{14, 11, 15, 11}));
    EXPECT_EQ(tools.Outlines(k16x12), (std::vector<CellRect>{{1, 1, 2, 2}, {14, 11, 15, 11}}));
    tools.PointerAt(CellPoint{16, 3});
    EXPECT_TRUE(tools.PasteCells(k16x12).Empty());
    tools.PointerAt(CellPoint{0, 0});
    tools.PointerGone();
    EXPECT_TRUE(tools.PasteCells(k16x12).Empty());

    tools.SelectTool(kFill);
    tools.BeginDrag(CellPoint{3, 3});
    EXPECT_TRUE(tools.Outlines(k16x12).empty());
}

}  // namespace
