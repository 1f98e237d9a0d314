// The common file dialogs of Open and Save As.
#pragma once
#include <windows.h>

#include <string>

// Lets the designer choose a map file and reads it, after asking whether to save a modified
// map first. A file that is refused leaves the map, the current path and the caption as
// they were.
void OpenMapFile(HWND owner);
// The same with the dialog's file name box starting at `proposal` instead of the current path:
// a folder with a trailing separator opens the dialog in that folder.
void OpenMapFileAt(HWND owner, const std::wstring& proposal);
// Lets the designer choose (or name) a file and saves the map there. The current path and
// the caption change only when the save succeeded; true then.
bool SaveMapFileAs(HWND owner);
// The same with the dialog's file name box starting at `proposal` instead of the current path.
bool SaveMapFileAs(HWND owner, const wchar_t* proposal);
// Save: writes the map to the current file without a dialog, except when the current file is
// a text map, which is never written over: the save dialog then proposes the same name with
// the extension .bin; a version opened from the versions folder: the save dialog proposes the
// map it is a version of. True when the map was saved.
bool SaveToCurrentFile(HWND owner);
