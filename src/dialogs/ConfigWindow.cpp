#include "dialogs/ConfigWindow.h"

#include "dialogs/DialogControls.h"
#include "resource.h"

ConfigWindow::ConfigWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure)
    : SettingsDialog(moduleInstance, owner, procedure, IDD_CONFIG) {
    Store(StageNumbers{});
}

void ShowStageNumbers(HWND dialog, const StageNumbers& values) {
    WriteNumberBox(dialog, IDC_CONFIG_TARGET_TIME, values.targetTime);
    WriteNumberBox(dialog, IDC_CONFIG_TIME_LIMIT, values.timeLimit);
    WriteNumberBox(dialog, IDC_CONFIG_BACKGROUND, values.backgroundImage);
    WriteNumberBox(dialog, IDC_CONFIG_MUSIC, values.music);
}

void ConfigWindow::Store(const StageNumbers& values) {
    targetTime = values.targetTime;
    timeLimit = values.timeLimit;
    backgroundImage = values.backgroundImage;
    music = values.music;
}

StageNumbers ConfigWindow::Values() const { return {targetTime, timeLimit, backgroundImage, music}; }

void ConfigWindow::SetValues(int32_t newTargetTime, int32_t newTimeLimit,
                             int32_t newBackgroundImage, int32_t newMusic) {
    const StageNumbers values{newTargetTime, newTimeLimit, newBackgroundImage, newMusic};
    Store(values);
    ShowStageNumbers(handle, values);
}

void ConfigWindow::ResetValues() {
    Store(StageNumbers{});
    ShowStageNumbers(handle, StageNumbers{});
}
