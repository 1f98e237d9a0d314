// The view's movement over the map, one whole cell per arrow key. Pure functions of a scroll offset and the map's cell count along that axis.
#pragma once
#include <cstdint>

#include "render/core/ViewGeometry.h"

// Left / Up: one cell back, never below 0.
int32_t ScrollLeft(int32_t scrollX);
int32_t ScrollUp(int32_t scrollY);

// Right / Down: one cell on, at most to where the view's last column (row) is the map's
// last, and never below 0 for a map narrower (shorter) than the view.
int32_t ScrollRight(int32_t scrollX, uint32_t cellsX, int32_t viewColumns = kViewColumns);
int32_t ScrollDown(int32_t scrollY, uint32_t cellsY, int32_t viewRows = kViewRows);

// An offset moved back inside the map along one axis (viewCells is 16 across, 12 down): from 0
// to cells - viewCells, and 0 for a map smaller than the view. What the view keeps when the
// map under it changes size, and where a view centred on a point stops.
int32_t ScrollKeptInMap(int64_t scroll, uint32_t cells, int32_t viewCells);
