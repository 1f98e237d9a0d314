// What the four settings dialogs have in common: how they are made, shown and hidden,
// how their number boxes are read and written, and the messages they all handle alike.
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

// What sets one settings dialog apart from the others.
struct SettingsDialogRoutes {
    int okId;
    int cancelId;
    void (*fill)(HWND dialog);   // the boxes' first texts, when the dialog is made
    void (*apply)(HWND dialog);  // OK: read the boxes and apply them
};

// The procedure all four settings dialogs share: the boxes are filled when the dialog is
// made; OK applies and hides, the cancel button and a close request only hide; key
// presses go to the program's shortcuts (F10 arrives as a system key). Always 0, so the
// system's default dialog handling follows.
INT_PTR HandleSettingsDialogMessage(HWND dialog, UINT message, WPARAM wParam,
                                    const SettingsDialogRoutes& routes);
