#include "ToolCursors.h"

#include "Editor.h"
#include "Globals.h"
#include "MainWindow.h"
#include "map/MapTools.h"
#include "map/core/tools/ToolTable.h"
#include "render/core/ViewGeometry.h"
#include "resource.h"

namespace {

// Loaded once; cursors from resources are shared and never destroyed.
HCURSOR Cursor(int id) {
    HCURSOR cursor = LoadCursorW(instanceHandle, MAKEINTRESOURCEW(id));
    return cursor != nullptr ? cursor : LoadCursor(nullptr, IDC_ARROW);
}

bool OverMap(POINT point) {
    return mainWindow != nullptr && editor != nullptr && IsViewPoint(point) &&
           InMap(CellUnder(point), mainWindow->CellCounts());
}

}  // namespace

HCURSOR ToolCursorAt(POINT clientPoint) {
    if (!OverMap(clientPoint)) return LoadCursor(nullptr, IDC_ARROW);
    const ToolState& tools = editor->tools;
    if (tools.Pasting()) return Cursor(IDCUR_PASTE);
    if (tools.Tool().Pointer(CurrentChip) == ToolPointer::kEraser) return Cursor(IDCUR_ERASER);
    return Cursor(ToolRows()[tools.Active()].pointer);
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
