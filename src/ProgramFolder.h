// The program's own folder, %LOCALAPPDATA%\picoran-editor\, for what it keeps between runs
// (the recent-files list, the saved versions of maps) and beside a running editor (its
// recovery copy). Nothing of the program is written anywhere else, and nothing to the
// registry.
#pragma once
#include <string>

// The folder's UTF-8 path without a trailing separator, made when it is missing; empty when
// the system names no local application data folder or the folder cannot be made, and the
// program then keeps nothing between runs.
std::string ProgramFolder();

// A folder in it (kRecoveryFolderName, kVersionsFolderName), made when missing; empty when it
// or the program's folder cannot be made.
std::string ProgramSubfolder(const char* name);
