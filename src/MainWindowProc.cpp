#include "MainWindowProc.h"

#include <windowsx.h>

#include "Application.h"
#include "Commands.h"
#include "Globals.h"
#include "MainWindow.h"
#include "PaletteWindow.h"
#include "StageDisplay.h"
#include "UnsavedChanges.h"
#include "ViewCommands.h"
#include "map/DroppedMaps.h"
#include "map/core/DragPainting.h"

namespace {

DragPainting drag;

// The pointer position when the message is handled, not the one the message carries.
POINT CursorInClient(HWND window) {
    POINT point{0, 0};
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    return point;
}

void DrawPalettes() {
    if (smallPalette != nullptr) smallPalette->Draw();
    if (largePalette != nullptr) largePalette->Draw();
}

// After a left click the palettes are redrawn before the view; after a right click the
// view comes first.
void OnMapLeftClick(POINT point) {
    if (mainWindow == nullptr) return;
    mainWindow->PlaceChip(point);
    DrawPalettes();
    mainWindow->Paint();
}

// The left button pressed: a click, and the start of a drag that keeps the mouse until the
// button is released, so that moves outside the window still reach it (and paint nothing).
// Everything the drag paints is one undo step.
void OnLeftButtonDown(HWND window) {
    const POINT point = CursorInClient(window);
    if (mainWindow != nullptr) mainWindow->BeginStroke();
    OnMapLeftClick(point);
    drag.Begin(point.x, point.y, scrollX, scrollY);
    SetCapture(window);
}

// The release, or the mouse taken away: the stroke is complete.
void EndDrag() {
    drag.End();
    if (mainWindow != nullptr) mainWindow->EndStroke();
}

// Each cell the pointer enters while the button is held gets what a click there does.
void OnMouseMove(LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (drag.Enters(point.x, point.y, scrollX, scrollY)) OnMapLeftClick(point);
}

void OnMapRightClick(POINT point) {
    if (mainWindow == nullptr) return;
    mainWindow->PickChip(point);
    mainWindow->Paint();
    DrawPalettes();
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        EndDrag();
        PostQuitMessage(0);
        break;
    case WM_PAINT:
        if (mainWindow != nullptr) mainWindow->Paint();
        break;
    case WM_CLOSE:
        if (ConfirmDropChanges()) CloseProgramWindows();
        return 0;
    case WM_QUERYENDSESSION:
        return ConfirmDropChanges() ? TRUE : FALSE;
    case WM_INITMENUPOPUP:
        ShowEdit();
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
        OnLeftButtonDown(window);
        break;
    case WM_MOUSEMOVE:
        NotePointerOverView(window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        OnMouseMove(lParam);
        break;
    case WM_MOUSELEAVE:
        NotePointerLeftView();
        break;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        ScrollViewByWheel(message, wParam);
        break;
    case WM_LBUTTONUP:
        EndDrag();
        if (GetCapture() == window) ReleaseCapture();
        break;
    case WM_CAPTURECHANGED:
        EndDrag();
        break;
    case WM_RBUTTONDOWN:
        OnMapRightClick(CursorInClient(window));
        break;
    case WM_DROPFILES:
        OpenDroppedMap(reinterpret_cast<HDROP>(wParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
