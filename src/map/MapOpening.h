// Opening a map by its path: the one way every route to a map goes (the Open dialog's choice,
// the command line, a file dropped on a window, the recent maps of the ファイル menu).
#pragma once
#include <cstdint>
#include <string>

// Does what Open does once its dialog has a file: reads the map (a refused file changes nothing
// and the designer is told why), makes it the current file, puts the view at the top-left
// corner and puts the map first among the recent maps. A relative path is taken from the folder
// the editor was started from; a path too long for the current file is refused with a message.
// True when the map was opened.
bool OpenMapPath(const std::wstring& path);

// The command of a recent entry of the ファイル menu: its map opens as Open would, after the
// question about unsaved changes; a map that is gone leaves the list, with a message saying so.
// False for a command that is no recent entry.
bool OpenRecentMapCommand(uint32_t commandId);
