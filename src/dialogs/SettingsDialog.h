// What the four settings dialog classes share: the owner and the procedure they are given,
// and a hidden modeless dialog made from their template at start-up.
#pragma once
#include <cstdint>

#include "Window.h"

class SettingsDialog : public Window {
public:
    HWND parentWindow;
    DLGPROC dialogProc;

    SettingsDialog(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure, int dialogTemplate);

    bool Initialize() override { return true; }
    // Makes the hidden dialog with the given caption; x and y are not used, the template
    // places it. False when the dialog cannot be made: the object then touches no window.
    bool Create(const char* title, int32_t x, int32_t y) override;

private:
    int templateId;
};
