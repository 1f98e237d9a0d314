#include "ToolCursors.h"

#include "Globals.h"
#include "MainWindow.h"
#include "map/MapTools.h"
#include "render/core/ViewGeometry.h"
#include "resource.h"

namespace {

// Loaded once; cursors from resources are shared and never destroyed.
HCURSOR Cursor(int id) {
    HCURSOR cursor = LoadCursorW(instanceHandle, MAKEINTRESOURCEW(id));
    return cursor != nullptr ? cursor : LoadCursor(nullptr, IDC_ARROW);
}

bool OverMap(POINT point) {
    return mainWindow != nullptr && IsViewPoint(point) && InMap(CellUnder(point), mainWindow->CellCounts());
}

}  // namespace

HCURSOR ToolCursorAt(POINT clientPoint) {
    if (!OverMap(clientPoint)) return LoadCursor(nullptr, IDC_ARROW);
    if (Tools().Pasting()) return Cursor(IDCUR_PASTE);
    switch (Tools().Tool()) {
    case EditingTool::kPen: return Cursor(CurrentChip.chipId == 0 ? IDCUR_ERASER : IDCUR_PEN);
    case EditingTool::kRectangle: return Cursor(IDCUR_RECTANGLE);
    case EditingTool::kFill: return Cursor(IDCUR_FILL);
    case EditingTool::kSelection: return Cursor(IDCUR_SELECTION);
    }
    return LoadCursor(nullptr, IDC_ARROW);
}

bool SetToolCursor(HWND window, LPARAM hitTest) {
    if (LOWORD(hitTest) != HTCLIENT) return false;
    SetCursor(ToolCursorAt(CursorInClient(window)));
    return true;
}

void ShowToolCursor() {
    if (mainWindow == nullptr || mainWindow->handle == nullptr) return;
    POINT point{0, 0};
    GetCursorPos(&point);
    if (WindowFromPoint(point) != mainWindow->handle) return;
    ScreenToClient(mainWindow->handle, &point);
    SetCursor(ToolCursorAt(point));
}
