// What the editor draws over the composed map to help the designer, and the map tool leaves
// out of its pictures: where ピノル starts (in the view and the overview), the frame that
// marks the view's cells in the overview, and the cells a merge left in conflict.
#pragma once
#include <cstdint>
#include <vector>

#include "map/core/CellArea.h"

#include "render/core/OverviewScale.h"
#include "render/core/PixelSurface.h"
#include "render/core/ViewGeometry.h"

// A plus sign centred on a point, `reach` pixels each way along each arm and `thickness`
// pixels across, in yellow with a one-pixel black outline: apart from the green grid, the
// red edge markers and the white overview frame, and visible on light and dark ground.
struct StartMarker {
    int64_t centreX = 0;
    int64_t centreY = 0;
    int32_t reach = 0;
    int32_t thickness = 0;
};

constexpr uint16_t kStartMarkerPixel = Rgb555(255, 255, 0);
constexpr uint16_t kMarkOutlinePixel = Rgb555(0, 0, 0);
constexpr uint16_t kViewFramePixel = Rgb555(255, 255, 255);

// In the view: one cell across (arms of 20 pixels), 4 pixels thick, at the start position
// (map pixels) less the scroll offsets.
// Zoomed out it shrinks with the cells, to no less than the overview's marker.
StartMarker ViewStartMarker(int32_t startX, int32_t startY, int32_t scrollX, int32_t scrollY,
                            ViewZoom zoom = kFullZoom);
// In the overview: about a cell across, and never less than 6 pixels so that it shows on a
// large map, 2 pixels thick.
StartMarker OverviewStartMarker(const OverviewScale& scale, int32_t startX, int32_t startY);

// Draws the marker, clipped to the surface.
void DrawStartMarker(PixelSurface& surface, const StartMarker& marker);

// The overview's frame of the view: two white pixels inside the rectangle's edges and one
// black pixel outside them, clipped to the surface.
void DrawViewFrame(PixelSurface& surface, const PixelRect& frame);

// A cell in conflict: a red frame just inside its edges with a black line inside the red, so
// that it shows on any chip, apart from the tool outline's magenta and the grid's green.
constexpr uint16_t kConflictMarkPixel = Rgb555(255, 0, 0);

// In the view, each cell of `cells` that it shows: the red band 3 pixels wide at 100 %,
// 2 at 50 % and 1 at 25 %, the black line 1 pixel.
void DrawViewConflictMarks(PixelSurface& view, const std::vector<CellPoint>& cells, int32_t scrollX,
                           int32_t scrollY, ViewZoom zoom = kFullZoom);
// In the overview: a one-pixel red frame on each cell's pixels, which fills a cell of up to two
// pixels and at least one pixel, so that every conflict shows on a large map.
void DrawOverviewConflictMarks(PixelSurface& picture, const std::vector<CellPoint>& cells,
                               const OverviewScale& scale);
