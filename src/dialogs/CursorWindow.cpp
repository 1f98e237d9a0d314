#include "dialogs/CursorWindow.h"

#include "Globals.h"
#include "MainWindow.h"
#include "dialogs/DialogControls.h"
#include "dialogs/core/SettingsRules.h"
#include "map/core/MapCell.h"
#include "resource.h"

CursorWindow::CursorWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure)
    : parentWindow(owner), dialogProc(procedure) {
    instance = moduleInstance;
}

bool CursorWindow::Create(const char* title, int32_t, int32_t) {
    handle = CreateHiddenDialog(instance, parentWindow, dialogProc, IDD_CURSOR, title);
    return handle != nullptr;
}

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

namespace {

// A coordinate outside the view falls back to the view's centre; the check box is left
// as it is.
void ApplyStartPosition(HWND dialog) {
    const StartPosition position = ApplyStartPositionRules(ReadNumberBox(dialog, IDC_CURSOR_X),
                                                           ReadNumberBox(dialog, IDC_CURSOR_Y));
    if (cursorWindow != nullptr) cursorWindow->SetPositionFields(position.x, position.y);
    if (mainWindow != nullptr) {
        mainWindow->map.startX = position.x;
        mainWindow->map.startY = position.y;
    }
}

void FillDefaults(HWND dialog) {
    WriteNumberBox(dialog, IDC_CURSOR_X, kViewWidth / 2);
    WriteNumberBox(dialog, IDC_CURSOR_Y, kViewHeight / 2);
    // The start position counts as not specified until a designer says otherwise.
    CheckDlgButton(dialog, IDC_CURSOR_UNSPECIFIED, BST_CHECKED);
}

const SettingsDialogRoutes kRoutes{IDC_CURSOR_OK, IDC_CURSOR_CANCEL, FillDefaults, ApplyStartPosition};

}  // namespace

INT_PTR CALLBACK CursorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return HandleSettingsDialogMessage(dialog, message, wParam, kRoutes);
}
