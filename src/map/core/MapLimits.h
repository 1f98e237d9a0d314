// How large a map the editor accepts from a file.
#pragma once
#include <cstddef>
#include <cstdint>

#include "map/core/MapCell.h"

// The editor's own dialog makes at most 60 x 60 cells; files may carry more. One million cells
// keeps every layer array (12 bytes a cell) at 12 MB, the three layers at 36 MB, a map data
// file at 12 MB, and every pixel coordinate of a cell (at most 40,000,000) far inside int32_t,
// so the model, the view and the file offsets (12 N + 68) need no wider arithmetic. The limit
// is on the product only: a 1000 x 1000, a 4000 x 250 or a 1,000,000 x 1 map is accepted.
constexpr uint32_t kMaxMapCells = 1000u * 1000u;

// Cells along one side of a positive size in pixels; a remainder below 40 plays no part.
constexpr uint32_t CellsAlong(int32_t pixels) {
    return pixels > 0 ? static_cast<uint32_t>(pixels) / static_cast<uint32_t>(kCellSize) : 0u;
}

// True when width x height gives at least one cell and no more than kMaxMapCells.
constexpr bool MapSizeIsAcceptable(int32_t width, int32_t height) {
    const uint64_t cells = static_cast<uint64_t>(CellsAlong(width)) * CellsAlong(height);
    return cells >= 1 && cells <= kMaxMapCells;
}

// The largest map file the editor reads: a text map of the largest size stays far below.
constexpr size_t kMaxMapFileBytes = 128u * 1024u * 1024u;
