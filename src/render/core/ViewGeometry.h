// The map view's fixed size: 16 x 12 cells of the map at a time, 640 x 480 pixels.
#pragma once
#include <cstdint>

#include "map/core/MapCell.h"

constexpr int32_t kViewColumns = 16;
constexpr int32_t kViewRows = 12;
constexpr int32_t kViewWidth = kViewColumns * kCellSize;   // 640
constexpr int32_t kViewHeight = kViewRows * kCellSize;     // 480

// The view's zoom: `factor` map pixels to a view pixel, 1 (100 %), 2 (50 %) or 4 (25 %). The
// view keeps its 640 x 480 pixels and shows `factor` times the columns and rows.
struct ViewZoom {
    int32_t factor = 1;
    constexpr int32_t CellPixels() const { return kCellSize / factor; }
    constexpr int32_t Columns() const { return kViewColumns * factor; }
    constexpr int32_t Rows() const { return kViewRows * factor; }
};
constexpr ViewZoom kFullZoom{1};
constexpr int32_t kMaxZoomFactor = 4;
inline bool operator==(ViewZoom a, ViewZoom b) { return a.factor == b.factor; }
// 拡大 and 縮小: the next zoom in or out, staying at 100 % or 25 % at the ends.
inline ViewZoom ZoomedIn(ViewZoom zoom) { return ViewZoom{zoom.factor > 1 ? zoom.factor / 2 : 1}; }
inline ViewZoom ZoomedOut(ViewZoom zoom) {
    return ViewZoom{zoom.factor < kMaxZoomFactor ? zoom.factor * 2 : kMaxZoomFactor};
}

// A point of the map in map pixels, 64 bits wide so that any arithmetic on it stays exact.
struct MapPoint {
    int64_t x = 0;
    int64_t y = 0;
};
