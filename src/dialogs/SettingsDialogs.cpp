#include "dialogs/SettingsDialogs.h"

#include "Globals.h"
#include "core/Texts.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"
#include "dialogs/SettingsDialogProcs.h"

namespace {

template <typename T>
void DeleteAndClear(T*& object) {
    delete object;
    object = nullptr;
}

}  // namespace

// A dialog that cannot be made stays as an object without a window; it then does nothing
// when shown or written, and start-up goes on.
void CreateSettingsDialogs(HWND owner) {
    resizeWindow = new ResizeWindow(instanceHandle, owner, ResizeDialogProc);
    resizeWindow->Create(texts::kResizeDialogTitle, 0, 0);
    cursorWindow = new CursorWindow(instanceHandle, owner, CursorDialogProc);
    cursorWindow->Create(texts::kCursorDialogTitle, 0, 0);
    messageWindow = new MessageWindow(instanceHandle, owner, MessageDialogProc);
    messageWindow->Create(texts::kMessageDialogTitle, 0, 0);
    configWindow = new ConfigWindow(instanceHandle, owner, ConfigDialogProc);
    configWindow->Create(texts::kConfigDialogTitle, 0, 0);
}

void DeleteSettingsDialogs() {
    DeleteAndClear(configWindow);
    DeleteAndClear(messageWindow);
    DeleteAndClear(cursorWindow);
    DeleteAndClear(resizeWindow);
}
