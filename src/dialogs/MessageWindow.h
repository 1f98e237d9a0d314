// The comment dialog and the stage comment it holds for the map files.
#pragma once
#include <cstdint>

#include "dialogs/SettingsDialog.h"
#include "dialogs/core/StageValues.h"

class MessageWindow : public SettingsDialog {
public:
    StageComment comment;  // 256 Shift_JIS bytes; starts as the default comment

    MessageWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure);

    // Stores the first `length` bytes as the comment and shows its text in the box. A
    // length above 256 or below 0 changes neither the comment nor the box.
    void SetComment(const char* bytes, int32_t length);
};
