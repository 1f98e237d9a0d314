// The keys and the menu: both lead to the same actions.
#pragma once
#include <windows.h>

#include <cstdint>

// Carries out one shortcut key; every window of the program hands its key presses here.
void HandleKey(uint32_t virtualKey);
// Hands a key message to HandleKey when it carries a shortcut: every WM_KEYDOWN, and of the
// system keys only F10 (the system reports it as one). Returns true when it did; other
// system keys are left to the default handling.
bool ForwardKeyMessage(UINT message, WPARAM virtualKey);
// The same for a dialog procedure (the palettes, the settings dialogs): TRUE for F10, which
// the default dialog handling would take into menu mode as well, 0 for every other message.
INT_PTR ForwardDialogKeyMessage(UINT message, WPARAM virtualKey);
// Carries out one menu command of the main window.
void DispatchCommand(uint32_t commandId);
