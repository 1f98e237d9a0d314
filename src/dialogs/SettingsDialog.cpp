#include "dialogs/SettingsDialog.h"

#include "dialogs/DialogControls.h"

SettingsDialog::SettingsDialog(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure,
                               int dialogTemplate)
    : parentWindow(owner), dialogProc(procedure), templateId(dialogTemplate) {
    instance = moduleInstance;
}

bool SettingsDialog::Create(const char* title, int32_t, int32_t) {
    handle = CreateHiddenDialog(instance, parentWindow, dialogProc, templateId, title);
    return handle != nullptr;
}
