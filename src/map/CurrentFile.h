// The current map file: the path Save writes to, shown in the main window's caption.
#pragma once

// Makes path the current file and shows it in the caption; the one way currentPath changes.
void SetCurrentPath(const wchar_t* path);
// Sets the main window's caption from the product title and currentPath.
void UpdateCaption();
