// What the editor draws over the composed map to help the designer, and the map tool leaves
// out of its pictures: where ピノル starts (in the view and the overview) and the frame that
// marks the view's cells in the overview.
#pragma once
#include <cstdint>

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
