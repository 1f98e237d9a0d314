// The common file dialogs of Open and Save As.
#pragma once
#include <windows.h>

// Lets the designer choose a map file and reads it, after asking whether to save a modified
// map first. A file that is refused leaves the map, the current path and the caption as
// they were.
void OpenMapFile(HWND owner);
// Lets the designer choose (or name) a file and saves the map there. The current path and
// the caption change only when the save succeeded; true then.
bool SaveMapFileAs(HWND owner);
// The same with the dialog's file name box starting at `proposal` instead of the current path.
bool SaveMapFileAs(HWND owner, const wchar_t* proposal);
// Save: writes the map to the current file without a dialog, except when the current file is
// a text map, which is never written over: the save dialog then proposes the same name with
// the extension .bin. True when the map was saved.
bool SaveToCurrentFile(HWND owner);
