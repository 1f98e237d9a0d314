// What the small windows beside the main window (the overview, the window "地形") do alike
// with their dialog messages: they paint by their own Draw over the whole client area, closing
// only hides them, and keys go to the program's shortcuts as in the palettes.
#pragma once
#include <windows.h>

#include "Commands.h"

// True, with the dialog procedure's result, when the message is one of those; `draw` is
// called with the window's painting DC.
template <typename Draw>
bool HandleSideWindowMessage(HWND window, UINT message, WPARAM wParam, Draw draw, INT_PTR& result) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC windowDC = BeginPaint(window, &paint);
        draw(windowDC);
        EndPaint(window, &paint);
        result = TRUE;
        return true;
    }
    case WM_ERASEBKGND:  // Draw covers the whole client area
        SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
        result = TRUE;
        return true;
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);  // hidden, never destroyed
        result = TRUE;
        return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        result = ForwardDialogKeyMessage(message, wParam);
        return true;
    default:
        return false;
    }
}
