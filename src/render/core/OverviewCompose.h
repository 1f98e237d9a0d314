// The overview's picture of the whole map, by the map view's rules: the backdrop laid at
// the top-left of every 16 x 12-cell block (one view's worth, as the map tool's full-size
// picture has it), then every cell in row-major order with layer 2 (a large chip over its
// cell and the cells right, below and below-right of it), layer 1 and layer 0, key pixels
// transparent. The chips come from sheets scaled once to the cell size (OverviewSheets).
#pragma once
#include <cstdint>

#include "map/core/LayerVisibility.h"
#include "map/core/MapModel.h"
#include "render/core/OverviewScale.h"
#include "render/core/OverviewSheets.h"
#include "render/core/PixelSurface.h"

// Composes the map into the target's top-left scale.width x scale.height pixels, leaving out
// the layers `shown` hides. A scale of two or more pixels a cell draws every cell from the
// sheets prepared at that size. At one pixel a cell and below, each picture pixel gets the
// colour the map has at one pixel a cell in the cell that pixel samples (sheets prepared at
// 1), so the cost follows the picture's size (at most 480 x 480), not the map's. Where the target is larger than the
// picture, the large chips of the last column and row reach past the picture into pixels the
// caller owns. Nothing is drawn when the sheets are not prepared at the scale's cell size
// (1 for a sampled scale) or the map has no layers.
void ComposeOverview(PixelSurface& target, const OverviewSheets& sheets, const OverviewScale& scale,
                     const MapModel& map, const LayerVisibility& shown = LayerVisibility{});

// The cell size the sheets must be prepared at for a scale.
inline int32_t SheetCellPixels(const OverviewScale& scale) {
    return scale.cellPixels > 0 ? scale.cellPixels : 1;
}
