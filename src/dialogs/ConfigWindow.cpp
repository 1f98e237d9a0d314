#include "dialogs/ConfigWindow.h"

#include "Globals.h"
#include "dialogs/DialogControls.h"
#include "dialogs/core/SettingsRules.h"
#include "resource.h"

ConfigWindow::ConfigWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure)
    : parentWindow(owner), dialogProc(procedure) {
    instance = moduleInstance;
    Store(StageNumbers{});
}

bool ConfigWindow::Create(const char* title, int32_t, int32_t) {
    handle = CreateHiddenDialog(instance, parentWindow, dialogProc, IDD_CONFIG, title);
    return handle != nullptr;
}

namespace {

void ShowNumbers(HWND dialog, const StageNumbers& values) {
    WriteNumberBox(dialog, IDC_CONFIG_TARGET_TIME, values.targetTime);
    WriteNumberBox(dialog, IDC_CONFIG_TIME_LIMIT, values.timeLimit);
    WriteNumberBox(dialog, IDC_CONFIG_BACKGROUND, values.backgroundImage);
    WriteNumberBox(dialog, IDC_CONFIG_MUSIC, values.music);
}

// Each number is kept within 0..999 on its own.
void ApplyNumbers(HWND dialog) {
    if (configWindow == nullptr) return;
    configWindow->SetValues(ClampStageNumber(ReadNumberBox(dialog, IDC_CONFIG_TARGET_TIME)),
                            ClampStageNumber(ReadNumberBox(dialog, IDC_CONFIG_TIME_LIMIT)),
                            ClampStageNumber(ReadNumberBox(dialog, IDC_CONFIG_BACKGROUND)),
                            ClampStageNumber(ReadNumberBox(dialog, IDC_CONFIG_MUSIC)));
}

}  // namespace

void ConfigWindow::Store(const StageNumbers& values) {
    targetTime = values.targetTime;
    timeLimit = values.timeLimit;
    backgroundImage = values.backgroundImage;
    music = values.music;
}

void ConfigWindow::SetValues(int32_t newTargetTime, int32_t newTimeLimit,
                             int32_t newBackgroundImage, int32_t newMusic) {
    const StageNumbers values{newTargetTime, newTimeLimit, newBackgroundImage, newMusic};
    Store(values);
    ShowNumbers(handle, values);
}

void ConfigWindow::ResetValues() {
    Store(StageNumbers{});
    ShowNumbers(handle, StageNumbers{});
}

namespace {

void FillDefaults(HWND dialog) {
    ShowNumbers(dialog, StageNumbers{});
}

const SettingsDialogRoutes kRoutes{IDC_CONFIG_OK, IDC_CONFIG_CANCEL, FillDefaults, ApplyNumbers};

}  // namespace

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return HandleSettingsDialogMessage(dialog, message, wParam, kRoutes);
}
