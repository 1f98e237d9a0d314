#include "TerrainProc.h"

#include <windowsx.h>

#include "Commands.h"
#include "Display.h"
#include "Editor.h"
#include "Globals.h"
#include "SideWindowMessages.h"
#include "TerrainWindow.h"
#include "map/ChipsInHand.h"
#include "map/MapTools.h"
#include "map/core/tools/ToolTable.h"
#include "resource.h"

namespace {

TerrainWindow* TerrainWindowOf(HWND window) {
    return editor != nullptr ? WindowWithHandle(editor->terrainWindow, window) : nullptr;
}

}  // namespace

INT_PTR CALLBACK TerrainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    const auto draw = [window](HDC windowDC) {
        if (TerrainWindow* terrains = TerrainWindowOf(window)) terrains->Draw(windowDC);
    };
    if (HandleSideWindowMessage(window, message, wParam, draw, result)) return result;
    switch (message) {
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
