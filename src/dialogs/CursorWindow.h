// The start-position dialog: where the character starts, in pixels, and the check box that
// marks the start position as not specified. The position lives in the main window's map;
// the "not specified" flag lives only in the check box.
#pragma once
#include <cstdint>

#include "Window.h"

class CursorWindow : public Window {
public:
    HWND parentWindow;
    DLGPROC dialogProc;

    CursorWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure);

    bool Initialize() override { return true; }
    // Makes the hidden dialog; x and y are not used, the template places it.
    bool Create(const char* title, int32_t x, int32_t y) override;

    // The X and Y boxes show these numbers.
    void SetPositionFields(int32_t x, int32_t y);
    // Whether the "not specified" box is checked; false when there is no dialog.
    bool IsUnspecified() const;
    void SetUnspecified(bool checked);
};
