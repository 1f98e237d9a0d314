#include "dialogs/CursorWindow.h"

#include "dialogs/DialogControls.h"
#include "resource.h"

CursorWindow::CursorWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure)
    : SettingsDialog(moduleInstance, owner, procedure, IDD_CURSOR) {}

void CursorWindow::SetPositionFields(int32_t x, int32_t y) {
    WriteNumberBox(handle, IDC_CURSOR_X, x);
    WriteNumberBox(handle, IDC_CURSOR_Y, y);
}

bool CursorWindow::IsUnspecified() const {
    return handle != nullptr && IsDlgButtonChecked(handle, IDC_CURSOR_UNSPECIFIED) == BST_CHECKED;
}

void CursorWindow::SetUnspecified(bool checked) {
    if (handle != nullptr)
        CheckDlgButton(handle, IDC_CURSOR_UNSPECIFIED, checked ? BST_CHECKED : BST_UNCHECKED);
}
