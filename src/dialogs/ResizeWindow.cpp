#include "dialogs/ResizeWindow.h"

#include "Globals.h"
#include "MainWindow.h"
#include "dialogs/DialogControls.h"
#include "dialogs/core/SettingsRules.h"
#include "map/core/MapCell.h"
#include "resource.h"

ResizeWindow::ResizeWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure)
    : parentWindow(owner), dialogProc(procedure) {
    instance = moduleInstance;
}

bool ResizeWindow::Create(const char* title, int32_t, int32_t) {
    handle = CreateHiddenDialog(instance, parentWindow, dialogProc, IDD_RESIZE, title);
    return handle != nullptr;
}

void ResizeWindow::SetSizeFields(int32_t width, int32_t height) {
    WriteNumberBox(handle, IDC_RESIZE_WIDTH, width);
    WriteNumberBox(handle, IDC_RESIZE_HEIGHT, height);
}

namespace {

// Whole cells within 16 x 12 .. 60 x 60; the map is resized even when the size is the
// same, and the view goes back to the top-left corner.
void ApplyEditArea(HWND dialog) {
    const MapSize size = ApplyEditAreaRules(ReadNumberBox(dialog, IDC_RESIZE_WIDTH),
                                            ReadNumberBox(dialog, IDC_RESIZE_HEIGHT));
    if (resizeWindow != nullptr) resizeWindow->SetSizeFields(size.width, size.height);
    scrollX = 0;
    scrollY = 0;
    if (mainWindow != nullptr) mainWindow->ResizeMap(size.width, size.height);
}

void FillDefaults(HWND dialog) {
    WriteNumberBox(dialog, IDC_RESIZE_WIDTH, kViewWidth);
    WriteNumberBox(dialog, IDC_RESIZE_HEIGHT, kViewHeight);
}

const SettingsDialogRoutes kRoutes{IDC_RESIZE_OK, IDC_RESIZE_CANCEL, FillDefaults, ApplyEditArea};

}  // namespace

INT_PTR CALLBACK ResizeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return HandleSettingsDialogMessage(dialog, message, wParam, kRoutes);
}
