// The recent maps' file in the program's folder: the last eight maps opened or saved, newest
// first, shared by every editor that runs. A list that cannot be read is empty; one that cannot
// be written is not there.
#pragma once
#include <string>

#include "core/RecentFiles.h"

// The UTF-8 path of the list file; empty when the program has no folder of its own.
std::string RecentMapsFilePath();
// The list as the file holds it now; empty without a folder or a readable list.
RecentFiles ReadRecentMaps();
// Changes the list as the file holds it now (another editor may have changed it since) and
// writes it back. Returns what was written, or an empty list when it could not be.
template <typename Change>
RecentFiles ChangeRecentMaps(Change change);
// Writes the list; false when it cannot be.
bool WriteRecentMaps(const RecentFiles& list);

template <typename Change>
RecentFiles ChangeRecentMaps(Change change) {
    RecentFiles list = ReadRecentMaps();
    change(list);
    return WriteRecentMaps(list) ? list : RecentFiles();
}
