// Moving the view to a chosen place: the overview's clicks and the mouse wheel. The view is
// kept inside the map as the arrow keys keep it.
#pragma once
#include <cstdint>

#include "map/core/MapModel.h"
#include "render/core/ViewGeometry.h"

struct ViewOffsets {
    int32_t scrollX = 0;
    int32_t scrollY = 0;
};

inline bool operator==(const ViewOffsets& a, const ViewOffsets& b) {
    return a.scrollX == b.scrollX && a.scrollY == b.scrollY;
}


// The offsets whose view centre (320, 240 in the view) lies nearest the map point, in whole
// cells, kept inside the map.
ViewOffsets CentreViewOn(MapPoint point, MapCellCounts counts, ViewZoom zoom = kFullZoom);

// Ctrl+wheel: the offsets at `zoom` that keep the cell under view point (x, y) under it,
// the view kept inside the map.
ViewOffsets ZoomAroundPoint(int32_t x, int32_t y, ViewOffsets now, ViewZoom from, ViewZoom zoom,
                            MapCellCounts counts);
