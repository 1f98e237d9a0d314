#include "dialogs/ResizeWindow.h"

#include "dialogs/DialogControls.h"
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
