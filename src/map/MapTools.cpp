#include "map/MapTools.h"

#include <windowsx.h>

#include "Editor.h"
#include "Globals.h"
#include "MainWindow.h"
#include "ViewCommands.h"
#include "map/ChipsInHand.h"
#include "map/core/tools/ToolTable.h"
#include "resource.h"
#include "render/core/ViewGeometry.h"

namespace {

void NotePointer(POINT point) {
    editor->pointerSeen = true;
    editor->lastPointer = point;
    NoteChanges(kChangedPointer);
}

// The pasted block follows the pointer while it is over the view.
bool FollowWithPaste(POINT point) {
    ToolState& tools = editor->tools;
    if (!tools.Pasting()) return false;
    if (!IsViewPoint(point)) {
        if (!tools.PointerInView()) return false;
        tools.PointerGone();
        return true;
    }
    const CellPoint cell = CellUnder(point);
    if (tools.PointerInView() && tools.Pointer() == cell) return false;
    tools.PointerAt(cell);
    return true;
}

bool Ready() { return mainWindow != nullptr && editor != nullptr; }

constexpr UINT kEdgeScrollMs = 80;  // the pace of the view following a drag past its edge

bool DragWantsEdgeScroll() {
    const ToolState& tools = editor->tools;
    // The last move's point, whether or not the pointer has since been reported gone: a
    // captured drag goes on beyond the window.
    return tools.Dragging() && tools.Tool().EscapeDrops() &&
           EdgeScrollStep(editor->lastPointer.x, editor->lastPointer.y, kViewWidth, kViewHeight).Any();
}

void FollowDragPastEdge(HWND window) {
    if (DragWantsEdgeScroll()) {
        SetTimer(window, kEdgeScrollTimer, kEdgeScrollMs, nullptr);
    } else {
        KillTimer(window, kEdgeScrollTimer);
    }
}

}  // namespace

void OnEdgeScrollTimer(HWND window) {
    if (!Ready() || !DragWantsEdgeScroll()) {
        KillTimer(window, kEdgeScrollTimer);
        return;
    }
    const ViewStep step = EdgeScrollStep(editor->lastPointer.x, editor->lastPointer.y, kViewWidth, kViewHeight);
    MoveView(ViewOffsets{static_cast<int32_t>(int64_t{scrollX} + step.columns),
                         static_cast<int32_t>(int64_t{scrollY} + step.rows)});
    // The drag's end stays on the view's edge nearest the pointer.
    const CellRect view = ViewCells(scrollX, scrollY, editor->zoom);
    if (editor->tools.KeepUnderPointer(DragCell(editor->tools.Tool(), CellUnder(editor->lastPointer), view)))
        NoteChanges(kChangedOutline);
}

POINT CursorInClient(HWND window) {
    POINT point{0, 0};
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    return point;
}

POINT PointOfMessage(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

bool IsViewPoint(POINT point) {
    return point.x >= 0 && point.y >= 0 && point.x < kViewWidth && point.y < kViewHeight;
}

CellPoint CellUnder(POINT point) { return ViewPointCell(point.x, point.y, scrollX, scrollY, editor->zoom); }

void SelectTool(size_t tool) {
    if (!Ready()) return;
    if (tool != editor->tools.Active()) {
        mainWindow->CancelStroke();
        editor->tools.SelectTool(tool);
    }
    NoteChanges(kChangedTool | kChangedMarks);
    // The terrain tool paints the set the window "地形" marks.
    if (ToolRows()[tool].command == ID_TOOL_TERRAIN) ShowTerrainWindow();
}

void OnMapLeftButtonDown(HWND window, POINT point, bool shift) {
    if (!Ready()) return;
    // A click shows as it always has: the palettes, then the view, whatever it changed.
    NoteChanges(kRedrawPalettes | kRedrawView);
    ToolState& tools = editor->tools;
    if (tools.Pasting()) {
        FollowWithPaste(point);
        if (tools.PointerInView()) mainWindow->StampBlock(tools.PasteBlock(), tools.Pointer());
        return;
    }
    mainWindow->PlaceChip(point, shift);
    // The mouse stays with the drag until the release, also when it leaves the window.
    if (tools.Dragging()) SetCapture(window);
}

// The mouse is captured from the press to the release, so moves outside the window arrive too.
void OnMapPointerMove(HWND window, POINT point) {
    if (!Ready()) return;
    // Asked again at every move: the system ends the request with each WM_MOUSELEAVE.
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, 0};
    TrackMouseEvent(&track);
    NotePointer(point);
    if (FollowWithPaste(point)) NoteChanges(kChangedOutline);
    mainWindow->ContinueStroke(point);
    FollowDragPastEdge(window);
}

void OnMapLeftButtonUp(HWND window) {
    KillTimer(window, kEdgeScrollTimer);
    if (mainWindow != nullptr) mainWindow->EndStroke();
    if (GetCapture() == window) ReleaseCapture();
}

void OnMapCaptureLost() {
    if (mainWindow != nullptr) mainWindow->CancelStroke();
}

void OnMapRightButtonDown(POINT point) {
    if (!Ready()) return;
    if (editor->tools.Pasting()) {  // the right button ends a paste and picks nothing
        editor->tools.EndPaste();
        NoteChanges(kChangedMarks);
        return;
    }
    mainWindow->PickChip(point);
    // The view first, then the palettes; a pick may have chosen the eraser: the pointer shows it.
    NoteChanges(kRedrawView | kRedrawPalettes | kPalettesAfterView | kChangedChip);
}

void OnMapPointerLeft() {
    if (!Ready()) return;
    editor->pointerSeen = false;
    NoteChanges(kChangedPointer);
    ToolState& tools = editor->tools;
    if (!tools.Pasting() || !tools.PointerInView()) return;
    tools.PointerGone();
    NoteChanges(kChangedOutline);
}

bool ClearToolMarks() {
    if (editor == nullptr || editor->tools.Escape() == Cleared::kNothing) return false;
    NoteChanges(kChangedMarks);
    return true;
}

void ForgetToolMarks() {
    if (editor == nullptr) return;
    editor->tools.ForgetMap();
    NoteChanges(kChangedMarks);
}
