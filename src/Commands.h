// What the menu, the keys and the mouse in the main window do.
#pragma once
#include <windows.h>

#include <cstdint>

// Carries out one shortcut key; every window of the program hands its key presses here.
void HandleKey(uint32_t virtualKey);
// Hands a key message to HandleKey when it carries a shortcut: every WM_KEYDOWN, and of the
// system keys only F10 (the system reports it as one). Returns true when it did; other
// system keys are left to the default handling.
bool ForwardKeyMessage(UINT message, WPARAM virtualKey);
// Carries out one menu command of the main window.
void DispatchCommand(uint32_t commandId);

// Mouse buttons in the main window, at a point in its client coordinates.
void OnMapLeftClick(POINT point);
void OnMapRightClick(POINT point);

// Destroys the windows that the main window's close takes down before itself.
void DestroyOwnedWindowsBeforeMain();
