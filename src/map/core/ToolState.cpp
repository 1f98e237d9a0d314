#include "map/core/ToolState.h"

#include <utility>

#include "core/IntegerMath.h"
#include "render/core/ViewGeometry.h"

namespace {

}  // namespace

CellPoint ViewPointCell(int32_t x, int32_t y, int32_t scrollX, int32_t scrollY) {
    return CellPoint{ClampToInt32(int64_t{scrollX} + FloorDivide(x, kCellSize)),
                     ClampToInt32(int64_t{scrollY} + FloorDivide(y, kCellSize))};
}

CellRect ViewCells(int32_t scrollX, int32_t scrollY) {
    return CellRect{scrollX, scrollY, ClampToInt32(int64_t{scrollX} + kViewColumns - 1),
                    ClampToInt32(int64_t{scrollY} + kViewRows - 1)};
}

void ToolState::SelectTool(EditingTool next) {
    if (next == tool) return;
    tool = next;
    ForgetMarks();
}

void ToolState::BeginDrag(CellPoint cell) {
    dragging = true;
    dragStart = cell;
    dragEnd = cell;
}

bool ToolState::DragTo(CellPoint cell) {
    if (!dragging || cell == dragEnd) return false;
    dragEnd = cell;
    return true;
}

void ToolState::Select(const CellRect& cells, MapCellCounts counts) {
    selection = ClipToMap(cells, counts);
}

void ToolState::KeepInMap(MapCellCounts counts) { Select(selection, counts); }

void ToolState::StartPaste(CellBlock block) {
    pasteBlock = std::move(block);
    pasting = !pasteBlock.Unusable();
}

void ToolState::EndPaste() {
    pasting = false;
    pasteBlock = CellBlock{};
}

void ToolState::PointerAt(CellPoint cell) {
    pointerInView = true;
    pointer = cell;
}

CellRect ToolState::PasteCells(MapCellCounts counts) const {
    if (!pasting || !pointerInView) return CellRect{};
    const CellRect covered{pointer.column, pointer.row,
                           ClampToInt32(int64_t{pointer.column} + pasteBlock.columns - 1),
                           ClampToInt32(int64_t{pointer.row} + pasteBlock.rows - 1)};
    return ClipToMap(covered, counts);
}

Cleared ToolState::Escape() {
    if (pasting) {
        EndPaste();
        return Cleared::kPaste;
    }
    if (dragging && tool != EditingTool::kPen) {
        dragging = false;
        return Cleared::kDrag;
    }
    if (HasSelection()) {
        selection = CellRect{};
        return Cleared::kSelection;
    }
    return Cleared::kNothing;
}

void ToolState::ForgetMarks() {
    EndPaste();
    dragging = false;
    selection = CellRect{};
}

std::vector<CellRect> ToolState::Outlines(MapCellCounts counts) const {
    std::vector<CellRect> outlines;
    const bool dragsRectangle = dragging && tool != EditingTool::kPen && tool != EditingTool::kFill;
    const CellRect first =
        dragsRectangle ? ClipToMap(RectBetween(dragStart, dragEnd), counts) : selection;
    if (!first.Empty()) outlines.push_back(first);
    const CellRect pasted = PasteCells(counts);
    if (!pasted.Empty()) outlines.push_back(pasted);
    return outlines;
}
