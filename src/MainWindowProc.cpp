#include "MainWindowProc.h"

#include <windowsx.h>

#include "Application.h"
#include "Commands.h"
#include "Globals.h"
#include "MainWindow.h"
#include "StageDisplay.h"
#include "ToolCursors.h"
#include "UnsavedChanges.h"
#include "ViewCommands.h"
#include "map/DroppedMaps.h"
#include "map/MapTools.h"
#include "map/SelectionCommands.h"

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        OnMapCaptureLost();
        PostQuitMessage(0);
        break;
    case WM_PAINT:  // the overview keeps its own picture and repaints it itself
        if (mainWindow != nullptr) mainWindow->PaintView();
        break;
    case WM_CLOSE:
        if (ConfirmDropChanges()) CloseProgramWindows();
        return 0;
    case WM_QUERYENDSESSION:
        return ConfirmDropChanges() ? TRUE : FALSE;
    case WM_INITMENUPOPUP:
        ShowEdit();
        ShowSelectionCommands(GetMenu(window), true);
        break;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == window && SetToolCursor(window, lParam)) return TRUE;
        break;
    case WM_KEYDOWN:
        ForwardKeyMessage(message, wParam);
        break;
    case WM_SYSKEYDOWN:
        // F10 is a shortcut of the menu here, so it must not select the menu bar as well.
        if (ForwardKeyMessage(message, wParam)) return 0;
        break;
    case WM_COMMAND:
        DispatchCommand(LOWORD(wParam));
        break;
    case WM_LBUTTONDOWN:
        OnMapLeftButtonDown(window);
        break;
    case WM_MOUSEMOVE: {
        const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        NotePointerOverView(window, point);
        OnMapPointerMove(point);
        break;
    }
    case WM_MOUSELEAVE:
        NotePointerLeftView();
        OnMapPointerLeft();
        break;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        ScrollViewByWheel(message, wParam);
        break;
    case WM_LBUTTONUP:
        OnMapLeftButtonUp(window);
        break;
    case WM_CAPTURECHANGED:
        OnMapCaptureLost();
        break;
    case WM_RBUTTONDOWN:
        OnMapRightButtonDown(window);
        break;
    case WM_DROPFILES:
        OpenDroppedMap(reinterpret_cast<HDROP>(wParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
