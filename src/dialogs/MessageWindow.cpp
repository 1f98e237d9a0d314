#include "dialogs/MessageWindow.h"

#include "Globals.h"
#include "MainWindow.h"
#include "WideText.h"
#include "map/core/StageSettings.h"
#include "resource.h"

MessageWindow::MessageWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure)
    : SettingsDialog(moduleInstance, owner, procedure, IDD_MESSAGE) {}

void MessageWindow::SetComment(const char* bytes, int32_t length) {
    std::string comment;
    if (!CommentFromBytes(bytes, length, comment)) return;
    if (mainWindow != nullptr) {
        StageSettings settings = mainWindow->stage.Settings();
        settings.comment = comment;
        mainWindow->ChangeSettings(settings);
    }
    ShowComment(comment);
}

void MessageWindow::ShowComment(const std::string& comment) {
    if (handle != nullptr) SetDlgItemTextW(handle, IDC_MESSAGE_TEXT, WideFromSjis(comment).c_str());
}
