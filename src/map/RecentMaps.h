// The recent maps of the ファイル menu: the last eight maps opened or saved, newest first, kept
// in the program's folder between runs. Whatever goes wrong with that file, the designer is
// never bothered: a list that cannot be read is empty, one that cannot be written is dropped.
#pragma once
#include <cstdint>
#include <string>

#include "core/RecentFiles.h"

// Reads the list and shows it in the main window's ファイル menu; once at start-up.
void ShowRecentMaps();

// A map opened or saved (its full path): it goes first in the list, which is written and shown
// again.
void RememberRecentMap(const std::wstring& path);

// The command of a recent entry of the menu: its map opens as Open would, after the question
// about unsaved changes; a map that is gone leaves the list, with a message saying so. False
// for a command that is no recent entry.
bool OpenRecentMapCommand(uint32_t commandId);

// The UTF-8 path of the list file; empty when the program has no folder of its own.
std::string RecentMapsFilePath();
// The list as the file holds it now; empty without a folder or a readable list.
RecentFiles ReadRecentMaps();
