// The recovery copy: what an editor with unsaved changes writes to the program's folder now
// and then, so that a crash or a power cut does not take the changes along. It holds the
// path of the map the changes belong to and the map data file Save would write:
//
//     offset      size  content
//     0           8     "PICORCV" and 0x1A
//     8           4     format version, 1
//     12          4     P, the path's length in bytes, 1 to kMaxRecoveryPathBytes
//     16          P     the path, UTF-8, no terminator
//     16 + P      4     M, the map data file's length in bytes
//     20 + P      M     the map data file, exactly as Save writes it
//     20 + P + M  4     CRC-32 of every byte before it
//
// integers little-endian. The reader takes nothing from a file that disagrees with itself in
// any way: a copy is only ever written whole by this program, so anything else is damage.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "map/core/MapDocument.h"
#include "map/core/MapLimits.h"
#include "map/core/MapReadError.h"
#include "map/core/StageSettings.h"

constexpr uint32_t kRecoveryFormatVersion = 1;
// The current file's path has at most 259 UTF-16 units, at most three bytes each in UTF-8.
constexpr size_t kMaxRecoveryPathBytes = 4096;
// The largest copy: the longest path and the largest map data file (a full comment).
constexpr size_t kMaxRecoveryFileBytes =
    24 + kMaxRecoveryPathBytes + 72 + 12 * size_t{kMaxMapCells} + kMaxCommentBytes;

// The whole recovery copy of the document for the map at mapPath (UTF-8). Empty, which is
// never a valid copy, when the writer refuses the document's size or the path is empty,
// longer than kMaxRecoveryPathBytes, not UTF-8 or holds a control character.
std::vector<uint8_t> WriteRecoveryFile(const std::string& mapPath, const MapDocument& document);

struct RecoveryReadResult {
    bool ok = false;
    std::string mapPath;   // UTF-8, when ok
    MapDocument document;  // complete, when ok
    MapReadError error;    // why the copy was refused; its offset counts from the copy's start
};

// Reads a recovery copy. Refuses a file that is not one (another beginning, another format
// version), that ends early, has bytes after the check value, whose check value or path is
// wrong, or whose map data the map reader refuses or does not end where the copy says.
RecoveryReadResult ReadRecoveryFile(const uint8_t* data, size_t size);
