#include "map/core/ToolState.h"

#include <algorithm>
#include <utility>

#include "core/IntegerMath.h"
#include "map/core/tools/ChipHand.h"
#include "render/core/ViewGeometry.h"

CellPoint ViewPointCell(int32_t x, int32_t y, int32_t scrollX, int32_t scrollY, ViewZoom zoom) {
    return CellPoint{ClampToInt32(int64_t{scrollX} + FloorDivide(x, zoom.CellPixels())),
                     ClampToInt32(int64_t{scrollY} + FloorDivide(y, zoom.CellPixels()))};
}

MapPoint ViewPointPixel(int32_t x, int32_t y, int32_t scrollX, int32_t scrollY, ViewZoom zoom) {
    return MapPoint{int64_t{scrollX} * kCellSize + int64_t{x} * zoom.factor,
                    int64_t{scrollY} * kCellSize + int64_t{y} * zoom.factor};
}

CellRect ViewCells(int32_t scrollX, int32_t scrollY, ViewZoom zoom) {
    return CellRect{scrollX, scrollY, ClampToInt32(int64_t{scrollX} + zoom.Columns() - 1),
                    ClampToInt32(int64_t{scrollY} + zoom.Rows() - 1)};
}

CellPoint DragCell(const MapTool& tool, CellPoint cell, const CellRect& view) {
    if (!tool.Dragging() || !tool.EscapeDrops() || view.Empty()) return cell;
    return CellPoint{std::clamp(cell.column, view.left, view.right), std::clamp(cell.row, view.top, view.bottom)};
}

ViewStep EdgeScrollStep(int32_t x, int32_t y, int32_t viewWidth, int32_t viewHeight) {
    return ViewStep{x < 0 ? -1 : x >= viewWidth ? 1 : 0, y < 0 ? -1 : y >= viewHeight ? 1 : 0};
}

ToolState::ToolState(std::vector<std::unique_ptr<MapTool>> tools) : tools(std::move(tools)) {}

void ToolState::SelectTool(size_t next) {
    if (next == active || next >= tools.size()) return;
    ForgetMarks();
    active = next;
}

ToolStep ToolState::Release(const ToolInput& in) {
    if (!Tool().Dragging()) return {};
    ToolStep step = Resolved(in, Tool().Release(in));
    if (step.selects) Select(step.selection, in.map.CellCounts());
    return step;
}

ToolStep ToolState::Resolved(const ToolInput& in, ToolStep step) {
    if (in.hand != nullptr) ResolveRandomChips(in.map, *in.hand, step.writes);
    return step;
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

bool ToolState::KeepUnderPointer(CellPoint cell) {
    bool moved = false;
    if (pasting && pointerInView && !(pointer == cell)) {
        pointer = cell;
        moved = true;
    }
    return Tool().KeepUnderPointer(cell) || moved;
}

Cleared ToolState::Escape() {
    if (pasting) {
        EndPaste();
        return Cleared::kPaste;
    }
    if (Tool().Dragging() && Tool().EscapeDrops()) {
        Tool().Cancel();
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
    Tool().Cancel();
    selection = CellRect{};
}

void ToolState::ForgetMap() {
    ForgetMarks();
    for (const std::unique_ptr<MapTool>& tool : tools) tool->Forget();
}

std::vector<CellRect> ToolState::Outlines(MapCellCounts counts) const {
    std::vector<CellRect> outlines;
    CellRect first;
    if (!Tool().Outline(counts, first)) first = selection;
    if (!first.Empty()) outlines.push_back(first);
    const CellRect pasted = PasteCells(counts);
    if (!pasted.Empty()) outlines.push_back(pasted);
    return outlines;
}
