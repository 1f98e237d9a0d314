// The names of the program's own folder in the user's local application data and of the
// folders in it, shared by the editor and the map tool, which looks there too.
#pragma once

constexpr char kProgramFolderName[] = "picoran-editor";
// Recovery copies of unsaved changes, one per running editor, and their locks.
constexpr char kRecoveryFolderName[] = "recovery";
// The versions Save replaced, the newest 20 of each map.
constexpr char kVersionsFolderName[] = "versions";
