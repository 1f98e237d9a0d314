#include "map/MapTools.h"

#include "Globals.h"
#include "MainWindow.h"
#include "PaletteWindow.h"
#include "StageDisplay.h"
#include "ToolCursors.h"
#include "render/core/ViewGeometry.h"
#include "resource.h"

namespace {

ToolState tools;
// Where the pointer was last seen over the main window, in client pixels, if it was.
bool pointerSeen = false;
POINT lastPointer{0, 0};

void NotePointer(POINT point) {
    pointerSeen = true;
    lastPointer = point;
}

void DrawPalettes() {
    if (smallPalette != nullptr) smallPalette->Draw();
    if (largePalette != nullptr) largePalette->Draw();
}

void Repaint() {
    if (mainWindow != nullptr) mainWindow->Paint();
}

// After a change that only the view shows: an outline, the pasted block following the pointer.
void RepaintView() {
    if (mainWindow != nullptr) mainWindow->PaintView();
}

// After a left click the palettes are redrawn before the view.
void ShowLeftClick() {
    DrawPalettes();
    Repaint();
}

// The marks changed: the view, the selection's menu items and the pointer's shape follow.
void ShowMarks() {
    Repaint();
    ShowEdit();
    ShowToolCursor();
}

// The pasted block follows the pointer while it is over the view.
bool FollowWithPaste(POINT point) {
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

void FinishDrag() {
    if (!tools.Dragging()) return;
    const CellPoint start = tools.DragStart();
    const CellPoint end = tools.DragEnd();
    tools.EndDrag();
    if (mainWindow == nullptr) return;
    if (tools.Tool() == EditingTool::kRectangle) {
        mainWindow->FillRectangle(start, end);
        ShowLeftClick();
    } else {
        tools.Select(RectBetween(start, end), mainWindow->CellCounts());
        ShowMarks();
    }
}

}  // namespace

ToolState& Tools() { return tools; }

POINT CursorInClient(HWND window) {
    POINT point{0, 0};
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    return point;
}

bool IsViewPoint(POINT point) {
    return point.x >= 0 && point.y >= 0 && point.x < kViewWidth && point.y < kViewHeight;
}

CellPoint CellUnder(POINT point) { return ViewPointCell(point.x, point.y, scrollX, scrollY); }

void ShowToolMenu() {
    if (mainWindow == nullptr || mainWindow->handle == nullptr) return;
    HMENU menu = GetMenu(mainWindow->handle);
    if (menu == nullptr) return;
    CheckMenuRadioItem(menu, ID_TOOL_PEN, ID_TOOL_SELECTION,
                       ID_TOOL_PEN + static_cast<UINT>(tools.Tool()), MF_BYCOMMAND);
}

void SelectTool(EditingTool tool) {
    if (mainWindow != nullptr) mainWindow->EndStroke();
    tools.SelectTool(tool);
    ShowToolMenu();
    ShowMarks();
}

void OnMapLeftButtonDown(HWND window) {
    if (mainWindow == nullptr) return;
    const POINT point = CursorInClient(window);
    NotePointer(point);
    if (tools.Pasting()) {
        FollowWithPaste(point);
        if (tools.PointerInView()) mainWindow->StampBlock(tools.PasteBlock(), tools.Pointer());
        ShowLeftClick();
        return;
    }
    switch (tools.Tool()) {
    case EditingTool::kPen:
        mainWindow->BeginStroke();
        mainWindow->PlaceChip(point);
        break;
    case EditingTool::kRectangle:
    case EditingTool::kSelection:
        tools.BeginDrag(CellUnder(point));
        break;
    case EditingTool::kFill:
        mainWindow->BucketFill(point);
        ShowLeftClick();
        return;
    }
    // The mouse stays with the drag until the release, also when it leaves the window.
    SetCapture(window);
    ShowLeftClick();
}

// The mouse is captured from the press to the release, so moves outside the window arrive too.
void OnMapPointerMove(POINT point) {
    if (mainWindow == nullptr) return;
    NotePointer(point);
    const bool followed = FollowWithPaste(point);
    const bool painted = mainWindow->ContinueStroke(point);
    if (painted) DrawPalettes();
    const bool dragged = tools.DragTo(CellUnder(point));
    if (painted) {
        Repaint();  // the map changed: the overview follows
    } else if (followed || dragged) {
        RepaintView();
    }
}

void OnMapLeftButtonUp(HWND window) {
    if (mainWindow != nullptr) mainWindow->EndStroke();
    FinishDrag();
    if (GetCapture() == window) ReleaseCapture();
}

void OnMapCaptureLost() {
    if (mainWindow != nullptr) mainWindow->EndStroke();
    if (!tools.Dragging()) return;
    tools.EndDrag();
    RepaintView();
}

void OnMapRightButtonDown(HWND window) {
    if (mainWindow == nullptr) return;
    if (tools.Pasting()) {  // the right button ends a paste and picks nothing
        tools.EndPaste();
        ShowMarks();
        return;
    }
    mainWindow->PickChip(CursorInClient(window));
    Repaint();
    DrawPalettes();
    ShowToolCursor();  // a pick may have chosen the eraser, or put the pen back
}

void OnMapPointerLeft() {
    pointerSeen = false;
    if (!tools.Pasting() || !tools.PointerInView()) return;
    tools.PointerGone();
    RepaintView();
}

bool ClearToolMarks() {
    if (tools.Escape() == Cleared::kNothing) return false;
    ShowMarks();
    return true;
}

void ForgetToolMarks() {
    tools.ForgetMarks();
    ShowEdit();
    ShowToolCursor();
}

void KeepToolMarksInMap() {
    if (mainWindow != nullptr) tools.KeepInMap(mainWindow->CellCounts());
}

void KeepToolsUnderPointer() {
    if (!pointerSeen) return;
    const CellPoint cell = CellUnder(lastPointer);
    if (tools.Pasting() && tools.PointerInView()) tools.PointerAt(cell);
    tools.DragTo(cell);
}

void ResetTools() {
    tools = ToolState{};
    pointerSeen = false;
}
