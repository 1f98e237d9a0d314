// The view as it will look once some writes are applied, without applying them: the block being
// pasted is drawn where a click would stamp it.
#pragma once
#include <cstdint>

#include "map/core/CellWrite.h"
#include "map/core/LayerVisibility.h"
#include "map/core/MapModel.h"
#include "render/core/PixelSurface.h"
#include "render/core/ViewGeometry.h"

// As ComposeMapView, with `pending` (writes into `map`, as the editing rules return them)
// applied first. Only the cells the view can draw are copied into a map of their own and
// written there, so the cost follows the view, not the map. Writes outside the map, or to a
// layer above 2, are left out as the stage leaves them out.
void ComposeMapViewWith(PixelSurface& backBuffer, const PixelSurface& backdrop,
                        const PixelSurface& smallSheet, const PixelSurface& largeSheet,
                        const MapModel& map, int32_t scrollX, int32_t scrollY,
                        const LayerVisibility& shown, const CellWrites& pending,
                        ViewZoom zoom = kFullZoom);
