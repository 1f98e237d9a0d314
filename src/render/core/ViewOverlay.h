// What the map view draws over the composed cells: the green cell grid and the red markers
// on the map edges that the view shows, as line segments for the shell to stroke, and the
// part of the view the map covers. A map smaller than the view leaves the rest of the view
// to one plain colour, so nothing there can be mistaken for map.
#pragma once
#include <cstddef>
#include <cstdint>

#include "map/core/MapModel.h"
#include "render/core/PixelSurface.h"
#include "render/core/ViewGeometry.h"

// The map's part of the 640 x 480 view: [0, right) x [0, bottom), whole cells only.
struct MapArea {
    int32_t right = 0;
    int32_t bottom = 0;
};

struct LineSegment {
    int32_t x1, y1, x2, y2;  // view pixels, end points included as GDI's LineTo draws them
    int32_t penWidth;
    uint8_t red, green, blue;
};

// Grid lines at every cell border within the map area, then the edge markers, in drawing
// order. At most 17 + 13 grid lines and 4 markers at 100 %, 65 + 49 and 4 at 25 %.
struct ViewOverlay {
    static constexpr size_t kMaxSegments = 118;
    MapArea area;
    LineSegment segments[kMaxSegments];
    size_t count = 0;      // segments in all
    size_t gridCount = 0;  // the first gridCount segments are the grid
};

// The window's light grey, as the 16-bit view holds it.
constexpr uint16_t kOutsideMapPixel = Rgb555(192, 192, 192);

// Grid: vertical lines at x = 40k over the area's height, horizontal ones at y = 40k over its
// width, pen 2, green. Markers, pen 4, red: the left and top edges when the offset is 0, the
// right (bottom) edge where the map's last column (row) ends inside the view.
// Zoomed out, the grid lines are one pixel wide, zoom.CellPixels() apart.
ViewOverlay ComposeViewOverlay(MapCellCounts counts, int32_t scrollX, int32_t scrollY,
                               ViewZoom zoom = kFullZoom);

// Sets every pixel of the view outside the map area to kOutsideMapPixel.
void FillOutsideMapArea(PixelSurface& view, MapArea area);

// Strokes a horizontal or vertical segment the way GDI's pen lays it inside the map area:
// penWidth pixels across, from penWidth / 2 before the line to just before penWidth / 2 after
// it, and along it from the first end point to just before the second, clipped to the
// surface. The pen's round ends reach only past the map area, which the view fills anyway.
// Used where no GDI is at hand (the map tool's pictures); the editor strokes through GDI.
void StrokeSegment(PixelSurface& surface, const LineSegment& segment);
