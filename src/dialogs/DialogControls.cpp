#include "dialogs/DialogControls.h"

#include "Commands.h"
#include "Window.h"
#include "dialogs/core/NumberText.h"

namespace {

constexpr int kNumberBoxBuffer = 128;  // the reader looks at no more than 127 bytes

}  // namespace

HWND CreateHiddenDialog(HINSTANCE instance, HWND owner, DLGPROC procedure, int templateId,
                        const char* title) {
    HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), owner, procedure, 0);
    if (dialog == nullptr) return nullptr;
    SetWindowTextA(dialog, title);
    SetActiveWindow(owner);
    UpdateWindow(dialog);
    return dialog;
}

void ShowSettingsDialog(const Window* dialog, int focusControlId) {
    if (dialog == nullptr || dialog->handle == nullptr) return;
    SetFocus(GetDlgItem(dialog->handle, focusControlId));
    ShowWindow(dialog->handle, SW_SHOWNORMAL);
    UpdateWindow(dialog->handle);
}

void HideDialog(HWND dialog) {
    if (dialog != nullptr) ShowWindow(dialog, SW_HIDE);
}

int32_t ReadNumberBox(HWND dialog, int controlId) {
    char text[kNumberBoxBuffer] = {};
    if (dialog != nullptr) GetDlgItemTextA(dialog, controlId, text, sizeof(text));
    return ReadBoxNumber(text);
}

void WriteNumberBox(HWND dialog, int controlId, int32_t value) {
    if (dialog != nullptr) SetDlgItemTextA(dialog, controlId, NumberToText(value).c_str());
}

INT_PTR HandleSettingsDialogMessage(HWND dialog, UINT message, WPARAM wParam,
                                    const SettingsDialogRoutes& routes) {
    switch (message) {
    case WM_INITDIALOG:
        routes.fill(dialog);
        break;
    case WM_COMMAND: {
        // Only the control id counts; the notification code is not looked at.
        const int id = LOWORD(wParam);
        if (id == routes.okId) {
            routes.apply(dialog);
            HideDialog(dialog);
        } else if (id == routes.cancelId) {
            HideDialog(dialog);
        }
        break;
    }
    case WM_KEYDOWN:
        ForwardKeyMessage(message, wParam);
        break;
    case WM_SYSKEYDOWN:
        // F10 is a shortcut here; the default handling would also start menu mode.
        if (ForwardKeyMessage(message, wParam)) return TRUE;
        break;
    case WM_CLOSE:
        HideDialog(dialog);
        break;
    default:
        break;
    }
    return 0;
}
