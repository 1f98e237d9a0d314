// The map view's fixed size: 16 x 12 cells of the map at a time, 640 x 480 pixels.
#pragma once
#include <cstdint>

#include "map/core/MapCell.h"

constexpr int32_t kViewColumns = 16;
constexpr int32_t kViewRows = 12;
constexpr int32_t kViewWidth = kViewColumns * kCellSize;   // 640
constexpr int32_t kViewHeight = kViewRows * kCellSize;     // 480

// A point of the map in map pixels, 64 bits wide so that any arithmetic on it stays exact.
struct MapPoint {
    int64_t x = 0;
    int64_t y = 0;
};
