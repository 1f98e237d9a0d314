#include "PaletteProcs.h"

#include "Commands.h"
#include "Display.h"
#include "Editor.h"
#include "Globals.h"
#include "PaletteWindow.h"

namespace {

// A left click selects in the clicked palette, which then becomes the active one; both
// palettes are redrawn whether or not a cell was hit.
void OnPaletteClick(HWND window, PaletteWindow* clicked, PaletteWindow* other) {
    POINT point{0, 0};
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    // The pointer is over the palette, so the map's pointer shape has nothing to show yet.
    if (clicked->Pick(point)) {
        clicked->model.active = true;
        if (other != nullptr) other->model.active = false;
    }
    NoteChanges(kRedrawPalettes | (clicked == largePalette ? kLargePaletteFirst : kNoChange));
    ShowChanges();
}

INT_PTR HandlePaletteMessage(PaletteWindow* self, PaletteWindow* other, HWND window,
                             UINT message, WPARAM wParam) {
    switch (message) {
    case WM_PAINT:
        if (self != nullptr) self->Draw();
        break;
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);  // hidden, never destroyed: its selection stays
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return ForwardDialogKeyMessage(message, wParam);
    case WM_LBUTTONDOWN:
        if (self != nullptr) OnPaletteClick(window, self, other);
        break;
    default:
        break;
    }
    return 0;
}

}  // namespace

INT_PTR CALLBACK SmallPaletteProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    return HandlePaletteMessage(smallPalette, largePalette, window, message, wParam);
}

INT_PTR CALLBACK LargePaletteProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    return HandlePaletteMessage(largePalette, smallPalette, window, message, wParam);
}
