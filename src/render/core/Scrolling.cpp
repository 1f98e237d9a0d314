#include "render/core/Scrolling.h"

#include <algorithm>

#include "map/core/MapCell.h"
#include "render/core/ViewGeometry.h"

namespace {

int32_t Back(int32_t scroll) {
    return static_cast<int32_t>(std::max<int64_t>(int64_t{scroll} - 1, 0));
}

// Highest offset at which the view still lies within the map; 0 for a map smaller than the
// view, so the view never starts left of (above) the map.
int64_t Limit(uint32_t cells, int32_t viewCells) {
    return std::max<int64_t>(int64_t{cells} - viewCells, 0);
}

int32_t Forward(int32_t scroll, uint32_t cells, int32_t viewCells) {
    return static_cast<int32_t>(std::min<int64_t>(int64_t{scroll} + 1, Limit(cells, viewCells)));
}

}  // namespace

int32_t ScrollLeft(int32_t scrollX) { return Back(scrollX); }
int32_t ScrollUp(int32_t scrollY) { return Back(scrollY); }
int32_t ScrollRight(int32_t scrollX, uint32_t cellsX, int32_t viewColumns) {
    return Forward(scrollX, cellsX, viewColumns);
}
int32_t ScrollDown(int32_t scrollY, uint32_t cellsY, int32_t viewRows) { return Forward(scrollY, cellsY, viewRows); }


int32_t ScrollKeptInMap(int64_t scroll, uint32_t cells, int32_t viewCells) {
    return static_cast<int32_t>(std::clamp<int64_t>(scroll, 0, Limit(cells, viewCells)));
}
