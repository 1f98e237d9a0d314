// Readers of the two map file formats. Each turns the file's bytes into a complete new
// MapDocument or refuses the file with the reason; nothing of the editor changes on the way,
// so a refused file leaves the current map as it was.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "map/core/MapDocument.h"
#include "map/core/MapPaths.h"
#include "map/core/MapReadError.h"

struct MapReadResult {
    bool ok = false;
    MapDocument document;  // complete and consistent when ok
    MapReadError error;    // why the file was refused when !ok
};

// A map data file (.bin). Refuses a file that ends before any field up to the comment
// length or inside the comment, a size that gives no cell or more than kMaxMapCells, and a
// comment length below 0 or above 256. The offset field at 0 and bytes after the comment are
// ignored.
MapReadResult ReadBinaryMap(const uint8_t* data, size_t size);

// A text map file (.txt): width, height, the N ids of layers 2, 1, 0, start x, start y, as
// signed decimal numbers between white space; whatever follows start y is not read. Refuses
// the file when it ends before start y, when a word among those numbers is not a whole
// signed decimal number, and when the size gives no cell or too many; the error names the
// line and the byte offset, and says so when the bytes are a valid map data file. A number
// beyond 32 bits keeps its low 32 bits (it wraps, never saturates). The document carries the
// fixed comment and the stage numbers 10, 300, 0, 0. `echo`, when given, receives the ids as
// the editor prints them while reading: each as an unsigned decimal and a space, a line
// break before every new map row and after layers 2 and 1; nothing when the file is refused.
MapReadResult ReadTextMap(const char* text, size_t size, std::string* echo);

// True when the start position means "not specified": either coordinate is 999, or both are
// 2400, which is what the writer stores for it.
bool StartIsUnspecified(int32_t startX, int32_t startY);

