// The start-position dialog: where the character starts, in pixels, and the check box that
// marks the start position as not specified. The stage holds both; the dialog shows them and
// its OK writes what the boxes and the check box say.
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
