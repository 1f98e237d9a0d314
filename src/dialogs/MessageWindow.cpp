#include "dialogs/MessageWindow.h"

#include <string>
#include <vector>

#include "Globals.h"
#include "core/Texts.h"
#include "dialogs/DialogControls.h"
#include "dialogs/core/SettingsRules.h"
#include "resource.h"

MessageWindow::MessageWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure)
    : parentWindow(owner), dialogProc(procedure) {
    instance = moduleInstance;
}

bool MessageWindow::Create(const char* title, int32_t, int32_t) {
    handle = CreateHiddenDialog(instance, parentWindow, dialogProc, IDD_MESSAGE, title);
    return handle != nullptr;
}

void MessageWindow::SetComment(const char* bytes, int32_t length) {
    if (!comment.Set(bytes, length) || handle == nullptr) return;
    // A comment of all 256 bytes has no terminator of its own; the box gets a copy with one.
    const std::string text = comment.Text();
    SetDlgItemTextA(handle, IDC_MESSAGE_TEXT, text.c_str());
}

namespace {

// The box's whole text, cut to what the comment takes from the box (255 bytes) without
// leaving half a double-byte character; the box then shows what was stored.
void ApplyComment(HWND dialog) {
    HWND box = GetDlgItem(dialog, IDC_MESSAGE_TEXT);
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(box)) + 1, '\0');
    const int length = GetWindowTextA(box, text.data(), static_cast<int>(text.size()));
    const size_t keep =
        CutCommentText(text.data(), length > 0 ? static_cast<size_t>(length) : 0, kCommentBoxLimit);
    if (messageWindow != nullptr) messageWindow->SetComment(text.data(), static_cast<int32_t>(keep));
}

void FillDefaults(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_MESSAGE_TEXT, texts::kDefaultComment);
}

const SettingsDialogRoutes kRoutes{IDC_MESSAGE_OK, IDC_MESSAGE_CANCEL, FillDefaults, ApplyComment};

}  // namespace

INT_PTR CALLBACK MessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return HandleSettingsDialogMessage(dialog, message, wParam, kRoutes);
}
