// How the overview fits the whole map into at most 480 x 480 pixels: 10 pixels a cell up to
// 48 x 48 cells, fewer whole pixels for larger maps, and below one pixel a cell for maps with
// more than 480 cells along a side, where each picture pixel shows one sampled cell.
#pragma once
#include <cstdint>

#include "map/core/MapModel.h"
#include "render/core/ViewGeometry.h"

constexpr int32_t kOverviewMaxSide = 480;
constexpr int32_t kOverviewMaxCellPixels = 10;

// A rectangle of picture pixels, [left, right) x [top, bottom).
struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

struct OverviewScale {
    uint32_t cellsX = 0;
    uint32_t cellsY = 0;
    int32_t width = 0;       // picture pixels; 0 only for a map without cells
    int32_t height = 0;
    int32_t cellPixels = 0;  // pixels a cell side; 0 when a cell is less than a pixel

    // The first picture column (row) that shows the map column (row) or a later one;
    // cellsX (cellsY) gives the picture's right (bottom) edge. Clamped to the map.
    int32_t XOfColumn(int64_t column) const;
    int32_t YOfRow(int64_t row) const;
    // The map column (row) a picture column (row) shows; clamped to the picture.
    uint32_t ColumnAt(int32_t x) const;
    uint32_t RowAt(int32_t y) const;
    // The map pixel under the centre of a picture pixel, which is first clamped into the
    // picture. (0, 0) for a map without cells.
    MapPoint MapPointAt(int32_t x, int32_t y) const;
};

// The overview's scale for a map of these cells.
OverviewScale OverviewScaleFor(MapCellCounts counts);
// A scale of cellPixels (1 or more) a cell whatever the map's size, for pictures of a chosen
// size; the caller keeps cells x cellPixels within what it can hold.
OverviewScale OverviewScaleAt(MapCellCounts counts, int32_t cellPixels);

// The part of the picture that the 16 x 12-cell view at (scrollX, scrollY) shows, cut at the
// map's edges, and at least one pixel wide and high even where the view is smaller than a
// pixel of the picture. Empty for a map without cells.
PixelRect OverviewViewFrame(const OverviewScale& scale, int32_t scrollX, int32_t scrollY,
                            ViewZoom zoom = kFullZoom);
