// The current map file: the path Save writes to, shown in the main window's caption.
#pragma once

// Makes path the current file, which the main window's caption then shows (ShowChanges); the
// one way currentPath changes.
void SetCurrentPath(const wchar_t* path);
// Shows the caption: the product title, the path and, while the stage differs from what was
// last opened or saved, the mark " *". The window is told only when its caption changes.
void ShowCaption();
