// The recent maps of the ファイル menu: the last eight maps opened or saved, newest first, kept
// in the program's folder between runs (RecentMapsFile.h). Whatever goes wrong with that file,
// the designer is never bothered.
#pragma once
#include <cstdint>
#include <string>

// Reads the list and shows it in the main window's ファイル menu; once at start-up.
void ShowRecentMaps();

// A map opened or saved (its full path): it goes first in the list, which is written and shown
// again.
void RememberRecentMap(const std::wstring& path);
// A map that is gone leaves the list, which is written and shown again.
void ForgetRecentMap(const std::string& path);

// The path of the recent entry a menu command names, as the menu shows it; false for a command
// that is no recent entry (`isEntry` false) or an entry the list no longer holds.
bool RecentMapOfCommand(uint32_t commandId, bool& isEntry, std::string& path);
