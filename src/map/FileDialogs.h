// The common file dialogs of Open and Save As.
#pragma once
#include <windows.h>

// Lets the designer choose a map file and reads it. A file that is refused leaves the map,
// the current path and the caption as they were.
void OpenMapFile(HWND owner);
// Lets the designer choose (or name) a file and saves the map there. The current path and
// the caption change only when the save succeeded.
void SaveMapFileAs(HWND owner);
