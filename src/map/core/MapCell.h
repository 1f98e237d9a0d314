// One cell of one map layer.
#pragma once
#include <cstdint>

struct MapCell {
    uint32_t chipId = 0;  // 0: the cell is empty in this layer
    int32_t srcX = 0;     // top-left of the chip's picture in its sheet, sheet pixels
    int32_t srcY = 0;
};

inline bool operator==(const MapCell& a, const MapCell& b) {
    return a.chipId == b.chipId && a.srcX == b.srcX && a.srcY == b.srcY;
}

constexpr int32_t kCellSize = 40;  // pixels per cell side, in the map and the view
