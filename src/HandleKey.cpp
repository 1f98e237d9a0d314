// Shortcut keys and menu commands.
#include "Commands.h"
#include "Globals.h"
#include "MainWindow.h"
#include "resource.h"

namespace {

bool IsHeld(int virtualKey) { return (GetKeyState(virtualKey) & 0x80) != 0; }

void PostClose() {
    if (mainWindow != nullptr && mainWindow->handle != nullptr)
        PostMessageA(mainWindow->handle, WM_CLOSE, 0, 0);
}

}  // namespace

void HandleKey(uint32_t virtualKey) {
    if (virtualKey < VK_ESCAPE || virtualKey > VK_F10) return;
    switch (virtualKey) {
    case VK_ESCAPE:
        PostClose();
        break;
    default:
        break;
    }
    (void)IsHeld;
}

void DispatchCommand(uint32_t commandId) {
    switch (commandId) {
    case ID_FILE_EXIT:
        PostClose();
        break;
    default:
        break;
    }
}

void OnMapLeftClick(POINT /*point*/) {
    if (mainWindow != nullptr) mainWindow->Paint();
}

void OnMapRightClick(POINT /*point*/) {
    if (mainWindow != nullptr) mainWindow->Paint();
}

void DestroyOwnedWindowsBeforeMain() {}
