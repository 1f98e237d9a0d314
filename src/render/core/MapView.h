// Composition of the map view: the 16 x 12 cells from (scrollX, scrollY) drawn into the
// 640 x 480 back buffer. The grid and the edge markers are drawn by the shell afterwards.
#pragma once
#include <cstdint>

#include "map/core/LayerVisibility.h"
#include "map/core/MapModel.h"
#include "render/core/PixelSurface.h"
#include "render/core/ViewGeometry.h"

// Clears the back buffer, copies the backdrop over it skipping its key colour, then draws
// every cell that can show, each with layer 2 (80 x 80 from largeSheet), layer 1 and
// layer 0 (40 x 40 from smallSheet), skipping empty layers and each sheet's key colour.
// The column left of the view and the row above it are drawn too, since a large chip
// anchored there reaches into the view. Cells are drawn in row-major order, so small chips
// lie over large chips that cover their cell and the later of two overlapping large chips
// is on top. Only the visible cells are visited, so the cost does not grow with the map.
// Layers that `shown` hides are left out. When the map has no layer arrays, returns leaving
// the back buffer as it was.
//
// Zoomed out, the view shows zoom.Columns() x zoom.Rows() cells of zoom.CellPixels() pixels
// from pictures scaled to that cell size once (OverviewSheets), and the backdrop, scaled
// alike, once for each 640 x 480 the view would show at 100 %. The cost stays that of the
// view's pixels and cells, whatever the map's size.
void ComposeMapView(PixelSurface& backBuffer, const PixelSurface& backdrop,
                    const PixelSurface& smallSheet, const PixelSurface& largeSheet,
                    const MapModel& map, int32_t scrollX, int32_t scrollY,
                    const LayerVisibility& shown = LayerVisibility{}, ViewZoom zoom = kFullZoom);
