#include "PaletteProcs.h"

#include <windowsx.h>

#include "Commands.h"
#include "Display.h"
#include "Editor.h"
#include "Globals.h"
#include "PaletteWindow.h"
#include "map/ChipsInHand.h"

namespace {

// A left click selects in the clicked palette, which then becomes the active one; both
// palettes are redrawn whether or not a cell was hit.
void OnPaletteClick(HWND window, PaletteWindow* clicked, PaletteWindow* other, bool control) {
    POINT point{0, 0};
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    // The pointer is over the palette, so the map's pointer shape has nothing to show yet.
    const ChipEntry before = CurrentChip;
    if (clicked->Pick(point)) {
        clicked->model.active = true;
        if (other != nullptr) other->model.active = false;
        TakePaletteChip(before, control);
        // Ctrl+click on a chip in hand takes it out: the frame goes to the chip kept.
        clicked->SetHighlight(static_cast<int32_t>(CurrentChip.srcX / 2), static_cast<int32_t>(CurrentChip.srcY / 2));
    }
    NoteChanges(kRedrawPalettes | (clicked == largePalette ? kLargePaletteFirst : kNoChange));
    ShowChanges();
}

INT_PTR HandlePaletteMessage(PaletteWindow* self, PaletteWindow* other, HWND window,
                             UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        if (self != nullptr) self->FollowPointer(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
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
        if (self != nullptr) OnPaletteClick(window, self, other, (wParam & MK_CONTROL) != 0);
        break;
    default:
        break;
    }
    return 0;
}

}  // namespace

INT_PTR CALLBACK SmallPaletteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandlePaletteMessage(smallPalette, largePalette, window, message, wParam, lParam);
}

INT_PTR CALLBACK LargePaletteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandlePaletteMessage(largePalette, smallPalette, window, message, wParam, lParam);
}
