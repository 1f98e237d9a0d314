// The one refresh: every display brought up to date from what changed (Changes.h), as the
// stage's edits and the shell's setters noted it: the view and the overview, both palettes,
// the caption and its mark, the menu's greying and checks, the settings dialogs' boxes when
// the stage became another one as a whole, and the pointer's shape. No command draws anything
// itself; each way a message, a key or a command comes in ends here.
#pragma once
#include <windows.h>

// Shows every change noted since the last call, then forgets them; nothing when none was.
// Redraws in the order the designer's clicks have always shown them: after a left click the
// palettes before the view, after a right click the view first.
void ShowChanges();

// The menu's items as they can act now; with readClipboard, the clipboard is read to learn
// whether 貼り付け can (as the menu opens), else only looked at.
void ShowMenuCommands(bool readClipboard);
