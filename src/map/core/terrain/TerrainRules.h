// What the terrain brush and the map tool's re-fitting write. A cell's corners are read from
// the chips in the map: a corner point lies inside a set's terrain when any of the up to four
// cells around it holds a chip of the set with that corner inside. A chip that also stands in
// for combinations the set has no chip for (TerrainSet::drawnAs) may have a corner inside only
// as a substitute; unless every combination it stands for has that corner inside, it counts
// only when no chip of the set around the point has the corner outside and, for any chip but a
// full one, no cell around the point is empty in the set's layer. So the corners a substitute
// adds do not spread the terrain when the map is fitted again, while full chips laid by hand
// get their edges. Painting sets the corner points of the painted cells, and every cell
// touching one of them takes the chip of the set whose corners match its own, or, when the
// set lacks that combination, the chip that differs in the fewest corners
// (TerrainSet::drawnAs). A cell with no corner inside becomes empty in the set's layer.
// Variations are chosen by the cell (ChipRandom.h), so the brush and the map tool choose alike.
// Cells holding a chip of no set, or of another set, keep it unless the brush paints the
// terrain onto them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "map/core/CellArea.h"
#include "map/core/CellWrite.h"
#include "map/core/ChipRandom.h"
#include "map/core/MapModel.h"
#include "map/core/terrain/TerrainSet.h"

struct TerrainWrites {
    CellWrites writes;
    // The cells re-fitted that the set draws with a substitute, and those it draws exactly,
    // by index: a stroke keeps its count of substitutes from both.
    std::vector<uint32_t> substituted;
    std::vector<uint32_t> exact;
};

// The corners a cell needs for `set` as the map stands (the cell must lie in the map).
uint8_t CornersInMap(const MapModel& map, const TerrainSets& sets, size_t set, CellPoint cell);

// Paints the terrain onto `cells` (inside: every corner of theirs inside) or takes it away from
// them (inside false: every corner outside), and re-fits them and their eight neighbours.
// A cell whose chip already has the corners it needs keeps it, also a variation placed by hand.
// Cells outside the map are left out; nothing is written for a set beyond the sets.
TerrainWrites TerrainPaintWrites(const MapModel& map, const TerrainSets& sets, size_t set,
                                 const std::vector<CellPoint>& cells, bool inside,
                                 const ChipRandom& random);

// Re-fits every cell of the map: each cell of a set and each empty cell beside one takes the
// chip its corners need, the variation chosen afresh, as the brush would have drawn it: a map
// filled with any of the set's full chips comes out as the brush paints those cells.
TerrainWrites AutotileWrites(const MapModel& map, const TerrainSets& sets, const ChipRandom& random);

// The cells of a rectangle, for painting a rectangle of terrain.
std::vector<CellPoint> CellsOfRect(const CellRect& rect);
