// The other-settings dialog: the four stage numbers, which the stage holds for the map files.
#pragma once
#include <cstdint>

#include "dialogs/SettingsDialog.h"
#include "map/core/StageNumbers.h"

class ConfigWindow : public SettingsDialog {
public:
    ConfigWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure);

    // The dialog's OK: the four numbers become the stage's (one undo step when they differ)
    // and show in their boxes. Stored as given; the OK button clamps them before.
    void SetValues(int32_t targetTime, int32_t timeLimit, int32_t backgroundImage, int32_t music);
    // The four numbers go back to a new map's (one undo step when they differ) and show.
    void ResetValues();
    // The boxes show these numbers.
    void ShowValues(const StageNumbers& values);
};

// Writes the four numbers into the other-settings dialog's boxes; nothing without a dialog.
void ShowStageNumbers(HWND dialog, const StageNumbers& values);
