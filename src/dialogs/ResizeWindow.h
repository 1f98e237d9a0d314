// The edit-area dialog: the map width and height in pixels. It keeps no copy of the size;
// OK resizes the main window's map.
#pragma once
#include <cstdint>

#include "dialogs/SettingsDialog.h"

class ResizeWindow : public SettingsDialog {
public:

    ResizeWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure);

    // The width and height boxes show these numbers.
    void SetSizeFields(int32_t width, int32_t height);
};
