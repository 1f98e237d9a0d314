// Readers of the two map file formats. Each turns the file's bytes into a complete new
// MapDocument or refuses the file with the reason; nothing of the editor changes on the way,
// so a refused file leaves the current map as it was.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "map/core/MapDocument.h"
#include "map/core/MapPaths.h"
#include "map/core/MapReadError.h"

// What a map data file holds besides the document: the fields the editor writes but never
// reads, for tools that show or check them. A field is set once the reader has reached it, so
// a refused file has those before the fault and 0 for the rest.
struct MapDataFileReport {
    int32_t offsetField = 0;                 // offset 0, as stored; the writer stores 12 N + 68
    uint32_t reservedCount = 0;              // the reserved block's first 4 bytes
    std::array<uint8_t, 28> reservedRest{};  // its other 28 bytes, written as zero
    int32_t commentLength = 0;               // as stored, also one that is refused
    size_t bytesAfterComment = 0;            // set when the comment was read whole (ok)
};

// How far a text map was read, for refused files too: the numbers taken, and where reading
// stopped, just past the last of them (past start y when ok). Whatever follows is not read.
struct TextMapReport {
    size_t numbersRead = 0;  // 3 N + 4 when ok
    size_t endOffset = 0;    // byte offset just past the last number read
    int32_t endLine = 1;     // 1-based line of that offset
    size_t bytesAfter = 0;   // bytes from endOffset to the end of the file
};

struct MapReadResult {
    bool ok = false;
    MapDocument document;  // complete and consistent when ok
    MapReadError error;    // why the file was refused when !ok
    MapDataFileReport dataFile;  // ReadBinaryMap only
    TextMapReport textMap;       // ReadTextMap only
};

// A map data file (.bin). Refuses a file that ends before any field up to the comment
// length or inside the comment, a size that gives no cell or more than kMaxMapCells, and a
// comment length below 0 or above 256. The offset field at 0, the reserved block and bytes
// after the comment are not taken into the document; `dataFile` reports them.
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
// `textMap` reports how far the reader got.
MapReadResult ReadTextMap(const char* text, size_t size, std::string* echo);

// True when the start position means "not specified": either coordinate is 999, or both are
// 2400, which is what the writer stores for it.
bool StartIsUnspecified(int32_t startX, int32_t startY);

