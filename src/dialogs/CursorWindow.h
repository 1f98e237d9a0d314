// The start-position dialog: where the character starts, in pixels, and the check box that
// marks the start position as not specified. The position lives in the main window's map;
// the "not specified" flag lives only in the check box.
#pragma once
#include <cstdint>

#include "dialogs/SettingsDialog.h"

class CursorWindow : public SettingsDialog {
public:

    CursorWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure);

    // The X and Y boxes show these numbers.
    void SetPositionFields(int32_t x, int32_t y);
    // Whether the "not specified" box is checked; false when there is no dialog.
    bool IsUnspecified() const;
    void SetUnspecified(bool checked);
};
