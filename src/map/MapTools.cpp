#include "map/MapTools.h"

#include <windowsx.h>

#include "Editor.h"
#include "Globals.h"
#include "MainWindow.h"
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

}  // namespace

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
}

void OnMapLeftButtonUp(HWND window) {
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
