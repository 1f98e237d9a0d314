// Open and 以前の版を開く: the designer chooses a map file in the Open dialog, after the question
// about unsaved changes. A file that is refused leaves the map, the current path and the
// caption as they were.
#pragma once
#include <windows.h>

#include <string>

void OpenMapFile(HWND owner);
// The same with the dialog's file name box starting at `proposal` instead of the current path:
// a folder with a trailing separator opens the dialog in that folder.
void OpenMapFileAt(HWND owner, const std::wstring& proposal);
// 以前の版を開く: the Open dialog in the versions folder.
void OpenSavedVersion(HWND owner);
