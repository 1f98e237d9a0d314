// The overview's caption: its title, and while the pointer is over the map view the cell
// under it with the chip ids of its three layers as the map file stores them, for example
// "全体図 (12, 5) 0:0 1:2 2:35" (column 12, row 5; layer 0 empty, chip 2 in layer 1, chip 35
// in layer 2). Shift_JIS bytes.
#pragma once
#include <cstdint>
#include <string>

#include "map/core/MapModel.h"
#include "render/core/ViewGeometry.h"

// The cell under the pointer with its three chip ids, " (12, 5) 0:0 1:2 2:35" (the overview's
// caption after its title, the layers panel's pointer line); "" when pointerInView is false or
// the view point (x, y) shows no cell of the map.
std::string PointerCellText(const MapModel& map, int32_t scrollX, int32_t scrollY, bool pointerInView,
                            int32_t x, int32_t y, ViewZoom zoom = kFullZoom);
// The title alone when pointerInView is false or the view point (x, y) shows no cell of the
// map (outside the 640 x 480 view, or beyond the map's edge).
std::string OverviewCaption(const MapModel& map, int32_t scrollX, int32_t scrollY,
                            bool pointerInView, int32_t x, int32_t y, ViewZoom zoom = kFullZoom);
