// The main window's procedure: routes each message to the code that acts on it.
#include "Commands.h"
#include "Globals.h"
#include "MainWindow.h"

namespace {

POINT CursorInClient(HWND window) {
    POINT point{0, 0};
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    return point;
}

// Closing the main window takes every palette and dialog with it.
void CloseProgramWindows(HWND window) {
    DestroyOwnedWindowsBeforeMain();
    DestroyWindow(window);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        break;
    case WM_PAINT:
        if (mainWindow != nullptr) mainWindow->Paint();
        break;
    case WM_CLOSE:
        CloseProgramWindows(window);
        return 0;
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
        OnMapLeftClick(CursorInClient(window));
        break;
    case WM_RBUTTONDOWN:
        OnMapRightClick(CursorInClient(window));
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
