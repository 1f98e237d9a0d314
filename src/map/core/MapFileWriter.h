// Writer of map data files (.bin): the document becomes the file's exact bytes; putting them
// on disk safely is the caller's job (see files/FileAccess.h).
#pragma once
#include <cstdint>
#include <vector>

#include "map/core/MapDocument.h"

// The whole file, 72 + 12 N + L bytes, little-endian whatever the host. The start position is
// 2400, 2400 when startUnspecified; the reserved block counts layer-0 cells holding chip 100;
// the comment is its bytes before the first zero, at most 256. Ids missing from a layer shorter than N are
// written as 0. Returns an empty vector, which is never a valid file, when the size is
// outside MapSizeIsAcceptable.
std::vector<uint8_t> WriteBinaryMap(const MapDocument& document);

// What the writer stores as the reserved block's count: the layer-0 cells, of the first N,
// that hold chip 100.
uint32_t CountedChipCells(const MapDocument& document);
