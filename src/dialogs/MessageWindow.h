// The comment dialog and the stage comment it holds for the map files.
#pragma once
#include <cstdint>

#include "Window.h"
#include "dialogs/core/StageValues.h"

class MessageWindow : public Window {
public:
    HWND parentWindow;
    DLGPROC dialogProc;
    StageComment comment;  // 256 Shift_JIS bytes; starts as the default comment

    MessageWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure);

    bool Initialize() override { return true; }
    // Makes the hidden dialog; x and y are not used, the template places it.
    bool Create(const char* title, int32_t x, int32_t y) override;

    // Stores the first `length` bytes as the comment and shows its text in the box. A
    // length above 256 or below 0 changes neither the comment nor the box.
    void SetComment(const char* bytes, int32_t length);
};
