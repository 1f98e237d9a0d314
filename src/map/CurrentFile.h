// The current map file: the path Save writes to, shown in the main window's caption.
#pragma once

// Makes path the current file and shows it in the main window's caption, formed from the
// product title and the path; the one way currentPath changes.
void SetCurrentPath(const wchar_t* path);
// Shows the caption again: the product title, the path and, while the stage differs from
// what was last opened or saved, the mark " *".
void ShowCaption();
