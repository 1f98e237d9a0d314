// Rules on map file names that the editor and the tool share. They work on Shift_JIS paths:
// no trail byte is a dot, and a trail byte 0x5C only ever moves where a name is taken to start.
#pragma once
#include <string>

// True when the file name's extension (after the last dot of the last path component) is
// "txt" in any letter case.
bool IsTextMapPath(const char* path);

// The same path with the extension of its last component replaced by "bin", or "bin"
// appended when it has none: where a text map's map data file is proposed to go.
std::string MapDataPathFor(const std::string& path);

// A relative path taken from `folder` (a path without a trailing separator is given one);
// a path with a drive, a leading separator or an empty folder is returned as it is.
std::string PathFromFolder(const std::string& folder, const std::string& path);
