#include "dialogs/ConfigWindow.h"

#include "Globals.h"
#include "MainWindow.h"
#include "dialogs/DialogControls.h"
#include "resource.h"

ConfigWindow::ConfigWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure)
    : SettingsDialog(moduleInstance, owner, procedure, IDD_CONFIG) {}

void ShowStageNumbers(HWND dialog, const StageNumbers& values) {
    WriteNumberBox(dialog, IDC_CONFIG_TARGET_TIME, values.targetTime);
    WriteNumberBox(dialog, IDC_CONFIG_TIME_LIMIT, values.timeLimit);
    WriteNumberBox(dialog, IDC_CONFIG_BACKGROUND, values.backgroundImage);
    WriteNumberBox(dialog, IDC_CONFIG_MUSIC, values.music);
}

void ConfigWindow::ShowValues(const StageNumbers& values) { ShowStageNumbers(handle, values); }

void ConfigWindow::SetValues(int32_t targetTime, int32_t timeLimit, int32_t backgroundImage,
                             int32_t music) {
    const StageNumbers values{targetTime, timeLimit, backgroundImage, music};
    if (mainWindow != nullptr) {
        StageSettings settings = mainWindow->stage.Settings();
        settings.numbers = values;
        mainWindow->ChangeSettings(settings);
    }
    ShowValues(values);
}

void ConfigWindow::ResetValues() {
    const StageNumbers defaults;
    SetValues(defaults.targetTime, defaults.timeLimit, defaults.backgroundImage, defaults.music);
}
