// Save and Save As: the map written to a file, the one it was opened from or one the designer
// chooses.
#pragma once
#include <windows.h>

// Lets the designer choose (or name) a file and saves the map there. The current path
// changes only when the save succeeded; true then.
bool SaveMapFileAs(HWND owner);
// The same with the dialog's file name box starting at `proposal` instead of the current path.
bool SaveMapFileAs(HWND owner, const wchar_t* proposal);
// Save: writes the map to the current file without a dialog, except when the current file is
// a text map, which is never written over: the save dialog then proposes the same name with
// the extension .bin; a version opened from the versions folder: the save dialog proposes the
// map it is a version of. True when the map was saved.
bool SaveToCurrentFile(HWND owner);
