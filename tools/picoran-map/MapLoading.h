// Map files read from disk exactly as the editor opens them: the format is chosen by the
// file name, the whole file is read, and the core's readers decide.
#pragma once
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "map/core/MapFileReader.h"
#include "map/core/MapLimits.h"

struct LoadedMap {
    bool ok = false;              // the editor would accept the file
    bool isText = false;          // read as a text map (.txt in any letter case)
    std::string ioError;          // set when the file could not be read at all
    MapReadResult read;           // the reader's document and report, or its reason for refusing
};

LoadedMap LoadMapFile(const std::string& path);

// Why the editor refuses the file, with where it stopped as its message box says it:
// "offset N: …" for map data files, "line L, offset N: …" for text maps, "cannot read: …" otherwise.
std::string RefusalText(const LoadedMap& map);

// Loads the file; when the editor would refuse it, writes "PATH: refused: …" to err and
// returns false.
bool LoadMapOrReport(const std::string& path, std::ostream& err, LoadedMap& map);
