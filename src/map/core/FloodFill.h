// The connected region of a bucket fill: the cells reachable from a cell through left,
// right, up and down neighbours inside the map that hold the same chips as it in the
// layers compared. Walked with an explicit stack of row spans and a visited mark per cell,
// so no map size can overflow the call stack.
#pragma once
#include <cstdint>
#include <vector>

#include "map/core/CellArea.h"
#include "map/core/MapModel.h"

// Cells first to last (both included) of one row.
struct CellSpan {
    uint32_t row = 0;
    uint32_t first = 0;
    uint32_t last = 0;
};

// Which layers two cells must agree on to be in one region.
enum class RegionLayers { kLayer0 = 0, kLayer1 = 1, kLayer2 = 2, kAllThree = 3 };

// The region of `seed` as row spans that do not overlap, in no particular order; empty when
// the seed lies outside the map or the map has no layers.
std::vector<CellSpan> FillRegion(const MapModel& map, CellPoint seed, RegionLayers layers);
