// Readers of the two map file formats. Each turns the file's bytes into a complete new
// MapDocument or refuses the file with the reason; nothing of the editor changes on the way,
// so a refused file leaves the current map as it was.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "map/MapDocument.h"
#include "map/MapReadError.h"

struct MapReadResult {
    bool ok = false;
    MapDocument document;  // complete and consistent when ok
    MapReadError error;    // why the file was refused when !ok
};

// A map data file (.bin). Refuses a file that ends before any field up to the comment
// length or inside the comment, a size that gives no cell or more than kMaxMapCells, and a
// negative comment length. A comment length above 256 is accepted with hasComment false
// (its bytes are neither read nor required). The offset field at 0 and bytes after the
// comment are ignored.
MapReadResult ReadBinaryMap(const uint8_t* data, size_t size);

// The editor's current values, which stand in for numbers a text map does not hold.
struct TextMapDefaults {
    int32_t mapWidth = kViewWidth;
    int32_t mapHeight = kViewHeight;
    int32_t startX = 320;
    int32_t startY = 240;
};

// A text map file (.txt): width, height, the N ids of layers 2, 1, 0, start x, start y, as
// signed decimal numbers between white space. Reading stops for good at the first text that
// is not a number (a lone sign counts as such); every later value is a failed read: width,
// height and start keep `defaults`, a chip id becomes 0. A number beyond 32 bits keeps its
// low 32 bits (it wraps, never saturates). The document carries the fixed comment and the
// stage numbers 10, 300, 0, 0. Refuses only a size that gives no cell or too many cells.
// `echo`, when given, receives the ids as the editor prints them while reading: each as an
// unsigned decimal and a space, a line break before every new map row and after layers 2
// and 1; nothing when the file is refused.
MapReadResult ReadTextMap(const char* text, size_t size, const TextMapDefaults& defaults,
                          std::string* echo);

// True when the start position means "not specified": either coordinate is 999, or both are
// 2400, which is what the writer stores for it.
bool StartIsUnspecified(int32_t startX, int32_t startY);

// True when the file name's extension (after the last dot of the last path component) is
// "txt" in any letter case. Works on Shift_JIS paths: no trail byte is a dot.
bool IsTextMapPath(const char* path);
