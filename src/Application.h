// Start-up, the message loop and teardown of the editor.
#pragma once
#include <windows.h>

#include <string>

// Creates every long-lived object in order and paints the view once. False when start-up
// could not finish; Teardown must follow in either case.
bool StartUp();
// Runs the message loop until the quit message; returns its exit code.
int RunMessageLoop();
// One message as the loop handles it: keys meant for a settings dialog's controls are taken
// first (Tab, Enter, Escape, the shortcuts), everything else is translated and dispatched.
void DispatchProgramMessage(MSG& message);
// Destroys the window objects in reverse order, then the textures.
void Teardown();
// The whole life of the program. Once the windows are up, the recovery copies that editors
// which ended without removing them left behind are offered; then a map path given is opened
// as Open would; a refused one leaves the map as it was after its message.
int RunEditor(const std::wstring& startMap = std::wstring());
