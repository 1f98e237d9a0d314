// The keyboard in the four settings dialogs, as in every Windows dialog: Tab and Shift+Tab move
// between the boxes, the check box and the buttons (a box entered so has its text selected),
// Space toggles the check box, Enter presses OK (in the comment box it starts a new line),
// Escape presses the cancel button, and the program's shortcuts work whichever control has
// the focus. The palettes are not dialogs of this kind: Escape there closes the program.
#pragma once
#include <windows.h>

// Takes a message of the loop before it is translated and dispatched. True when it was meant
// for a settings dialog and has been handled; the loop must then leave it.
bool HandleSettingsDialogKeys(MSG& message);
// The same for the window 置換 (map/ReplaceWindow.h), which has no text box: the program's
// shortcuts from any of its buttons, Enter for OK, Escape to close it, Tab between the buttons.
bool HandleReplaceWindowKeys(MSG& message);

// The shortcut keys of the program's commands that a dialog's controls leave alone (Shortcuts.h):
// the function keys, Ctrl+N, Ctrl+O, Ctrl+S (with or without Shift) and Ctrl+1 to Ctrl+3
// everywhere; outside a text box, which keeps them as its own, also undo and redo (Ctrl+Z,
// Ctrl+Y), cut, copy and paste (Ctrl+X, Ctrl+C, Ctrl+V), Delete and the tools' letters.
bool IsProgramShortcut(WPARAM virtualKey, bool controlHeld, bool shiftHeld, bool inTextBox);
