// The four settings dialogs as a group: made hidden at start-up, deleted at exit.
#pragma once
#include <windows.h>

// Constructs resizeWindow, cursorWindow, messageWindow and configWindow in this order and
// creates each hidden dialog with its title; failures are not reported (an object without
// a dialog does nothing when shown or written).
void CreateSettingsDialogs(HWND owner);
// Deletes the four objects in reverse order and clears their pointers.
void DeleteSettingsDialogs();
