// The other-settings dialog and the four stage numbers it holds for the map files.
#pragma once
#include <cstdint>

#include "dialogs/SettingsDialog.h"
#include "map/core/StageNumbers.h"

class ConfigWindow : public SettingsDialog {
public:
    // Stored as given (a map file may bring any value); only the dialog's OK keeps them
    // within 0..999.
    int32_t targetTime;
    int32_t timeLimit;
    int32_t backgroundImage;
    int32_t music;

    ConfigWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure);

    // Stores the four numbers and shows them in their boxes.
    void SetValues(int32_t targetTime, int32_t timeLimit, int32_t backgroundImage, int32_t music);
    // Back to a new map's numbers, shown in the boxes too, so that OK after New keeps them.
    void ResetValues();
    // The four numbers as stored.
    StageNumbers Values() const;

private:
    void Store(const StageNumbers& values);
};

// Writes the four numbers into the other-settings dialog's boxes; nothing without a dialog.
void ShowStageNumbers(HWND dialog, const StageNumbers& values);
