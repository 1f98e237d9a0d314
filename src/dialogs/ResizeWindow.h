// The edit-area dialog: the map width and height in pixels. It keeps no copy of the size;
// OK resizes the main window's map.
#pragma once
#include <cstdint>

#include "Window.h"

class ResizeWindow : public Window {
public:
    HWND parentWindow;
    DLGPROC dialogProc;

    ResizeWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure);

    bool Initialize() override { return true; }
    // Makes the hidden dialog; x and y are not used, the template places it.
    bool Create(const char* title, int32_t x, int32_t y) override;

    // The width and height boxes show these numbers.
    void SetSizeFields(int32_t width, int32_t height);
};
