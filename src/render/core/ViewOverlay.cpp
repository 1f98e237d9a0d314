#include "render/core/ViewOverlay.h"
#include "render/core/ViewGeometry.h"

#include <algorithm>

namespace {

constexpr int32_t kGridPen = 2;
constexpr int32_t kMarkerPen = 4;

// Pixels from the view's edge to the end of the map along one axis, within the view.
int32_t MapExtent(uint32_t cells, int32_t scroll, int32_t viewPixels, int32_t cellPixels) {
    const int64_t pixels = (int64_t{cells} - scroll) * cellPixels;
    return static_cast<int32_t>(std::clamp<int64_t>(pixels, 0, viewPixels));
}

// Whether the map's last column (row) ends at or inside the view's far edge.
bool EndsInView(uint32_t cells, int32_t scroll, int32_t viewCells) {
    return int64_t{cells} - scroll <= viewCells;
}

void Add(ViewOverlay& overlay, LineSegment segment) {
    if (overlay.count < ViewOverlay::kMaxSegments) overlay.segments[overlay.count++] = segment;
}

// The map's part of the view, whole cells only.
MapArea MapAreaInView(MapCellCounts counts, int32_t scrollX, int32_t scrollY, ViewZoom zoom) {
    return MapArea{MapExtent(counts.cellsX, scrollX, kViewWidth, zoom.CellPixels()),
                   MapExtent(counts.cellsY, scrollY, kViewHeight, zoom.CellPixels())};
}

}  // namespace

ViewOverlay ComposeViewOverlay(MapCellCounts counts, int32_t scrollX, int32_t scrollY, ViewZoom zoom) {
    ViewOverlay overlay;
    const MapArea area = MapAreaInView(counts, scrollX, scrollY, zoom);
    overlay.area = area;
    const int32_t cell = zoom.CellPixels();
    const int32_t pen = zoom.factor == 1 ? kGridPen : 1;
    for (int32_t x = 0; x <= area.right; x += cell) Add(overlay, {x, 0, x, area.bottom, pen, 0, 255, 0});
    for (int32_t y = 0; y <= area.bottom; y += cell) Add(overlay, {0, y, area.right, y, pen, 0, 255, 0});
    overlay.gridCount = overlay.count;

    if (scrollX == 0) Add(overlay, {0, 0, 0, area.bottom, kMarkerPen, 255, 0, 0});
    if (scrollY == 0) Add(overlay, {0, 0, area.right, 0, kMarkerPen, 255, 0, 0});
    if (EndsInView(counts.cellsX, scrollX, zoom.Columns()))
        Add(overlay, {area.right, 0, area.right, area.bottom, kMarkerPen, 255, 0, 0});
    if (EndsInView(counts.cellsY, scrollY, zoom.Rows()))
        Add(overlay, {0, area.bottom, area.right, area.bottom, kMarkerPen, 255, 0, 0});
    return overlay;
}

void FillOutsideMapArea(PixelSurface& view, MapArea area) {
    if (!view.HasSurface()) return;
    const int32_t right = std::clamp(area.right, 0, view.width);
    const int32_t bottom = std::clamp(area.bottom, 0, view.height);
    if (right == view.width && bottom == view.height) return;
    for (int32_t y = 0; y < view.height; ++y) {
        uint16_t* row = view.Row(y);
        std::fill(row + (y < bottom ? right : 0), row + view.width, kOutsideMapPixel);
    }
}

void StrokeSegment(PixelSurface& surface, const LineSegment& segment) {
    if (!surface.HasSurface()) return;
    const bool vertical = segment.x1 == segment.x2;
    if (!vertical && segment.y1 != segment.y2) return;  // the view draws no slanted lines
    const int64_t half = segment.penWidth / 2;
    const int64_t across = vertical ? segment.x1 : segment.y1;
    const int64_t from = vertical ? std::min(segment.y1, segment.y2) : std::min(segment.x1, segment.x2);
    const int64_t to = vertical ? std::max(segment.y1, segment.y2) : std::max(segment.x1, segment.x2);
    const int64_t left = vertical ? across - half : from;
    const int64_t right = vertical ? across - half + segment.penWidth : to;
    const int64_t top = vertical ? from : across - half;
    const int64_t bottom = vertical ? to : across - half + segment.penWidth;
    const auto x0 = static_cast<int32_t>(std::clamp<int64_t>(left, 0, surface.width));
    const auto x1 = static_cast<int32_t>(std::clamp<int64_t>(right, 0, surface.width));
    const auto y0 = static_cast<int32_t>(std::clamp<int64_t>(top, 0, surface.height));
    const auto y1 = static_cast<int32_t>(std::clamp<int64_t>(bottom, 0, surface.height));
    const uint16_t pixel = Rgb555(segment.red, segment.green, segment.blue);
    for (int32_t y = y0; y < y1; ++y) std::fill(surface.Row(y) + x0, surface.Row(y) + x1, pixel);
}
