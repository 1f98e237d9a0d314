// The parts of a map data file that the editor's reader passes over but the game's own reader
// may use: the offset field, the reserved block, the comment length as stored and any bytes
// after the comment. The editor's writer derives them all, so a file it wrote always agrees.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "MapLoading.h"
#include "map/core/MapDocument.h"

struct BinaryExtras {
    int32_t offsetField = 0;           // offset 0: should be 12 N + 68
    uint32_t reservedCount = 0;        // first 4 bytes of the reserved block
    std::array<uint8_t, 28> reservedRest{};  // the other 28 bytes, written as zero
    int32_t commentLength = 0;         // as stored, also when above 256
    // Bytes after the comment; after the length field when the length is above 256, since
    // the comment's bytes are then not read.
    size_t bytesAfter = 0;
};

// Reads the fields from the bytes of a file that ReadBinaryMap accepted as `document`.
// False when the bytes are too short for them, which an accepted file never is.
bool ReadBinaryExtras(const std::vector<uint8_t>& bytes, const MapDocument& document,
                      BinaryExtras& extras);

// What the writer stores in the reserved block: the layer-0 cells holding chip 100.
uint32_t CountedChipCells(const MapDocument& document);

// What the writer stores in the offset field for the document's size.
int64_t ExpectedOffsetField(const MapDocument& document);

// The fields of an accepted map data file; all zero for a text map or a refused file.
BinaryExtras ExtrasOf(const LoadedMap& map);
