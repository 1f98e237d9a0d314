#include "OverviewProc.h"

#include <windowsx.h>

#include "Commands.h"
#include "Display.h"
#include "Editor.h"
#include "Globals.h"
#include "MainWindow.h"
#include "OverviewWindow.h"
#include "SideWindowMessages.h"
#include "ViewCommands.h"
#include "map/DroppedMaps.h"

namespace {

OverviewWindow* OverviewOf(HWND window) {
    return editor != nullptr ? WindowWithHandle(editor->overview, window) : nullptr;
}

// A click or a drag at a client point: the view centred there.
void CentreViewAt(HWND window, LPARAM lParam) {
    OverviewWindow* overview = OverviewOf(window);
    if (overview == nullptr || mainWindow == nullptr) return;
    MoveView(overview->OffsetsCentredAt(mainWindow->map, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
}

// The messages that come from the designer: what they changed is shown once they are handled.
void HandleInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        SetCapture(window);  // a drag that leaves the window still moves the view
        CentreViewAt(window, lParam);
        break;
    case WM_MOUSEMOVE:
        if (GetCapture() == window && (wParam & MK_LBUTTON) != 0) CentreViewAt(window, lParam);
        break;
    case WM_LBUTTONUP:
        if (GetCapture() == window) ReleaseCapture();
        break;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        ScrollViewByWheel(message, wParam, lParam);
        break;
    case WM_DROPFILES:  // a map dropped here opens as one dropped on the main window
        OpenDroppedMap(reinterpret_cast<HDROP>(wParam));
        break;
    default:
        break;
    }
    ShowChanges();
}

}  // namespace

INT_PTR CALLBACK OverviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    const auto draw = [window](HDC windowDC) {
        if (OverviewWindow* overview = OverviewOf(window)) overview->Draw(windowDC);
    };
    if (HandleSideWindowMessage(window, message, wParam, draw, result)) return result;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_DROPFILES:
        HandleInput(window, message, wParam, lParam);
        return TRUE;
    default:
        return 0;
    }
}
