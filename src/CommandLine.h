// What the editor takes from its command line: the map to open at start-up, so that a map
// opens by "Open with", by a double-click once its type is associated with the editor, or by
// being dropped on the program's file.
#pragma once
#include <string>

// The first argument after the program's own name, split as Windows splits command lines;
// empty when there is none. Arguments after it are ignored.
std::wstring MapPathFromCommandLine(const wchar_t* commandLine);
