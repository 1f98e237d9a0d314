#include "MainWindowProc.h"

#include "Commands.h"
#include "Display.h"
#include "Editor.h"
#include "Globals.h"
#include "MainWindow.h"
#include "PaletteWindow.h"
#include "ToolCursors.h"
#include "UnsavedChanges.h"
#include "ViewCommands.h"
#include "WindowLayout.h"
#include "dialogs/ResizeWindow.h"
#include "map/DroppedMaps.h"
#include "map/MapTools.h"

namespace {

// Closing the main window: the palettes and dialogs it owns go first, then the main window
// itself, whose destruction ends the message loop.
void CloseProgramWindows() {
    EndWindowLayout();  // where the windows stand, before destroying them hides them
    if (resizeWindow != nullptr && resizeWindow->handle != nullptr) DestroyWindow(resizeWindow->handle);
    for (PaletteWindow* palette : {smallPalette, largePalette})
        if (palette != nullptr && palette->handle != nullptr) DestroyWindow(palette->handle);
    if (mainWindow != nullptr && mainWindow->handle != nullptr) DestroyWindow(mainWindow->handle);
}

bool ShiftHeld(WPARAM wParam) { return (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT) != 0; }

// The messages that come from the designer. True when one is handled wholly here and must not
// go on to the default window procedure.
bool HandleInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        ForwardKeyMessage(message, wParam);
        return false;
    case WM_SYSKEYDOWN:
        // F10 is a shortcut of the menu here, so it must not select the menu bar as well.
        return ForwardKeyMessage(message, wParam);
    case WM_COMMAND: DispatchCommand(LOWORD(wParam)); return false;
    case WM_LBUTTONDOWN: OnMapLeftButtonDown(window, PointOfMessage(lParam), ShiftHeld(wParam)); return false;
    case WM_MOUSEMOVE: OnMapPointerMove(window, PointOfMessage(lParam)); return false;
    case WM_MOUSELEAVE: OnMapPointerLeft(); return false;
    case WM_TIMER:
        if (wParam != kEdgeScrollTimer) return false;
        OnEdgeScrollTimer(window);
        return true;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: ScrollViewByWheel(message, wParam, lParam); return false;
    case WM_LBUTTONUP: OnMapLeftButtonUp(window); return false;
    case WM_CAPTURECHANGED: OnMapCaptureLost(); return false;
    case WM_RBUTTONDOWN: OnMapRightButtonDown(PointOfMessage(lParam)); return false;
    case WM_DROPFILES: OpenDroppedMap(reinterpret_cast<HDROP>(wParam)); return true;
    default: return false;
    }
}

}  // namespace

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
        ShowMenuCommands(true);
        break;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == window && SetToolCursor(window, lParam)) return TRUE;
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_COMMAND:
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_TIMER:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_RBUTTONDOWN:
    case WM_DROPFILES: {
        const bool handled = HandleInput(window, message, wParam, lParam);
        ShowChanges();  // what the message changed, shown once it is handled
        return handled ? 0 : DefWindowProcW(window, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
