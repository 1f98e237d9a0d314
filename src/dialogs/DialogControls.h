// What the four settings dialogs have in common: how they are made, shown and hidden, and
// how their number boxes are read and written.
#pragma once
#include <windows.h>

#include <cstdint>

class Window;

// Makes a settings dialog from its template, hidden, with the given caption. The owner is
// made active again so that start-up leaves the main window in front. Null on failure.
HWND CreateHiddenDialog(HINSTANCE instance, HWND owner, DLGPROC procedure, int templateId,
                        const char* title);

// What the commands do to show a settings dialog: the focus goes to one of its controls
// first, then the dialog is shown and updated. Nothing for a dialog that was never made.
void ShowSettingsDialog(const Window* dialog, int focusControlId);

void HideDialog(HWND dialog);

// A box's text read as a number the way every OK button reads it.
int32_t ReadNumberBox(HWND dialog, int controlId);
// Writes the decimal text of a value into a box; nothing without a dialog.
void WriteNumberBox(HWND dialog, int controlId, int32_t value);
