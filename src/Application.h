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
// Closing the main window: the palettes and dialogs it owns go first, then the main window
// itself, whose destruction ends the message loop.
void CloseProgramWindows();
// The whole life of the program. A map path given is opened as Open would once the windows
// are up; a refused one leaves the default map after its message.
int RunEditor(const std::wstring& startMap = std::wstring());
