// The dialog 置換 (Ctrl+H): the chip to replace and the chip to put instead, each chosen by a
// click in a palette or a pick from the map while its field is the active one; OK replaces the
// chip in the selection, or in the whole map without one, as one undo step and tells how many
// cells changed. Modeless, owned by the main window; closing only hides it.
#pragma once
#include <windows.h>

// Shows the dialog, made the first time, with 置換前 the active field. While it is shown, the
// chip in hand goes into its active field each time it changes (a palette click, a pick):
// ShowChanges sends it kFillReplaceFieldMessage.
void ShowReplaceWindow();

INT_PTR CALLBACK ReplaceProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
