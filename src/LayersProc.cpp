#include "LayersProc.h"

#include <windowsx.h>

#include "Display.h"
#include "Editor.h"
#include "Globals.h"
#include "LayersWindow.h"
#include "MainWindow.h"
#include "SideWindowMessages.h"
#include "ViewCommands.h"

namespace {

LayersWindow* LayersWindowOf(HWND window) {
    return editor != nullptr ? WindowWithHandle(editor->layersWindow, window) : nullptr;
}

}  // namespace

INT_PTR CALLBACK LayersProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    const auto draw = [window](HDC windowDC) {
        if (LayersWindow* layers = LayersWindowOf(window); layers != nullptr && mainWindow != nullptr)
            layers->Draw(windowDC, mainWindow->stage);
    };
    if (HandleSideWindowMessage(window, message, wParam, draw, result)) return result;
    switch (message) {
    case WM_LBUTTONDOWN:
        if (LayersWindow* layers = LayersWindowOf(window)) {
            const LayersWindow::Hit hit = layers->HitAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            if (hit.layer >= 0 && hit.lock) ToggleLayerLock(hit.layer);
            if (hit.layer >= 0 && !hit.lock) ToggleLayer(hit.layer);
        }
        ShowChanges();
        return TRUE;
    default:
        return 0;
    }
}
