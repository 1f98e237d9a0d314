#include "dialogs/MessageWindow.h"

#include <string>

#include "WideText.h"
#include "dialogs/DialogControls.h"
#include "resource.h"

MessageWindow::MessageWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure)
    : SettingsDialog(moduleInstance, owner, procedure, IDD_MESSAGE) {}

void MessageWindow::SetComment(const char* bytes, int32_t length) {
    if (!comment.Set(bytes, length) || handle == nullptr) return;
    // A comment of all 256 bytes has no terminator of its own; the box gets a copy with one.
    SetDlgItemTextW(handle, IDC_MESSAGE_TEXT, WideFromSjis(comment.Text()).c_str());
}
