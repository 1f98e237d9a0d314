// What the windows show of the stage, brought up to date after it changed.
#pragma once
#include <windows.h>

// A menu command shown as it can act: greyed when it cannot.
void EnableMenuCommand(HMENU menu, UINT command, bool enabled);

// After an edit: the caption's modified mark, the undo and redo menu items and those of the
// selection and the clipboard.
void ShowEdit();
// After the stage turned into another state as a whole (undo, redo, open, new): the settings
// dialogs' boxes, the view kept inside the map and repainted, the caption and the menu.
void ShowWholeStage();
