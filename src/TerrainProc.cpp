#include "TerrainProc.h"

#include <windowsx.h>

#include "Commands.h"
#include "Display.h"
#include "Editor.h"
#include "TerrainWindow.h"
#include "map/ChipsInHand.h"
#include "map/MapTools.h"
#include "map/core/tools/ToolTable.h"
#include "resource.h"

namespace {

TerrainWindow* TerrainWindowOf(HWND window) {
    return editor != nullptr && editor->terrainWindow != nullptr && editor->terrainWindow->handle == window
               ? editor->terrainWindow
               : nullptr;
}

}  // namespace

INT_PTR CALLBACK TerrainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC windowDC = BeginPaint(window, &paint);
        if (TerrainWindow* terrains = TerrainWindowOf(window)) terrains->Draw(windowDC);
        EndPaint(window, &paint);
        return TRUE;
    }
    case WM_ERASEBKGND:  // Draw covers the whole client area
        SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);  // hidden, never destroyed
        return TRUE;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return ForwardDialogKeyMessage(message, wParam);
    case WM_LBUTTONDOWN:
        if (TerrainWindow* terrains = TerrainWindowOf(window)) {
            const int set = terrains->SetAt(GET_Y_LPARAM(lParam));
            if (set >= 0) {
                TakeTerrainInHand(static_cast<size_t>(set));
                SelectTool(ToolOfCommand(ID_TOOL_TERRAIN));
            }
        }
        ShowChanges();
        return TRUE;
    default:
        return 0;
    }
}
