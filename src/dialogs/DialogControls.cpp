#include "dialogs/DialogControls.h"

#include "WideText.h"
#include "Window.h"
#include "dialogs/core/NumberText.h"

namespace {

constexpr int kNumberBoxBuffer = 128;  // the reader looks at no more than 127 bytes

}  // namespace

HWND CreateHiddenDialog(HINSTANCE instance, HWND owner, DLGPROC procedure, int templateId,
                        const char* title) {
    HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), owner, procedure, 0);
    if (dialog == nullptr) return nullptr;
    SetWindowTextW(dialog, WideFromSjis(title).c_str());
    SetActiveWindow(owner);
    UpdateWindow(dialog);
    return dialog;
}

void ShowSettingsDialog(const Window* dialog, int focusControlId) {
    if (dialog == nullptr || dialog->handle == nullptr) return;
    HWND box = GetDlgItem(dialog->handle, focusControlId);
    SetFocus(box);
    // A number box opens with its number selected, so typing replaces it; the comment keeps
    // its text unselected, so a stray key cannot wipe it.
    if ((GetWindowLongW(box, GWL_STYLE) & ES_MULTILINE) == 0) SendMessageW(box, EM_SETSEL, 0, -1);
    ShowWindow(dialog->handle, SW_SHOWNORMAL);
    UpdateWindow(dialog->handle);
}

void HideDialog(HWND dialog) {
    if (dialog != nullptr) ShowWindow(dialog, SW_HIDE);
}

// The box's text as Shift_JIS, the program's own text: digits are ASCII either way, and
// whatever else is typed reads as it would on a Japanese Windows.
int32_t ReadNumberBox(HWND dialog, int controlId) {
    wchar_t text[kNumberBoxBuffer] = {};
    if (dialog != nullptr) GetDlgItemTextW(dialog, controlId, text, kNumberBoxBuffer);
    return ReadBoxNumber(SjisFromWide(text).c_str());
}

void WriteNumberBox(HWND dialog, int controlId, int32_t value) {
    if (dialog != nullptr) SetDlgItemTextW(dialog, controlId, WideFromSjis(NumberToText(value)).c_str());
}
