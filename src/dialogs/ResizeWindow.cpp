#include "dialogs/ResizeWindow.h"

#include "dialogs/DialogControls.h"
#include "resource.h"

ResizeWindow::ResizeWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure)
    : SettingsDialog(moduleInstance, owner, procedure, IDD_RESIZE) {}

void ResizeWindow::SetSizeFields(int32_t width, int32_t height) {
    WriteNumberBox(handle, IDC_RESIZE_WIDTH, width);
    WriteNumberBox(handle, IDC_RESIZE_HEIGHT, height);
}
