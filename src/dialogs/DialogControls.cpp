#include "dialogs/DialogControls.h"

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
