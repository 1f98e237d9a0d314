// The comment dialog: the stage comment, which the stage holds for the map files.
#pragma once
#include <cstdint>
#include <string>

#include "dialogs/SettingsDialog.h"

class MessageWindow : public SettingsDialog {
public:
    MessageWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure);

    // The dialog's OK: the first `length` bytes (up to a zero byte) become the stage's comment
    // (one undo step when it differs) and show in the box. A length above 256 or below 0
    // changes neither the comment nor the box.
    void SetComment(const char* bytes, int32_t length);
    // The box shows this comment (Shift_JIS bytes).
    void ShowComment(const std::string& comment);
};
