#include "render/core/ViewMarks.h"

#include <algorithm>

#include "core/IntegerMath.h"
#include "render/core/ViewGeometry.h"

namespace {

constexpr int32_t kViewMarkerThickness = 4;
constexpr int32_t kOverviewMarkerThickness = 2;
constexpr int32_t kOverviewMarkerMinReach = 3;
constexpr int32_t kFrameWidth = 2;

// Sets [left, right) x [top, bottom), clipped to the surface.
void Fill(PixelSurface& surface, int64_t left, int64_t top, int64_t right, int64_t bottom, uint16_t pixel) {
    const auto x0 = static_cast<int32_t>(std::clamp<int64_t>(left, 0, surface.width));
    const auto x1 = static_cast<int32_t>(std::clamp<int64_t>(right, 0, surface.width));
    const auto y0 = static_cast<int32_t>(std::clamp<int64_t>(top, 0, surface.height));
    const auto y1 = static_cast<int32_t>(std::clamp<int64_t>(bottom, 0, surface.height));
    for (int32_t y = y0; y < y1; ++y) std::fill(surface.Row(y) + x0, surface.Row(y) + x1, pixel);
}

// The plus sign grown by `grow` pixels on every side.
void FillPlus(PixelSurface& surface, const StartMarker& m, int32_t grow, uint16_t pixel) {
    const int64_t first = -(m.thickness / 2) - grow;
    const int64_t last = m.thickness - m.thickness / 2 + grow;
    Fill(surface, m.centreX - m.reach - grow, m.centreY + first, m.centreX + m.reach + grow, m.centreY + last, pixel);
    Fill(surface, m.centreX + first, m.centreY - m.reach - grow, m.centreX + last, m.centreY + m.reach + grow, pixel);
}

// The band of `width` pixels just inside [left, right) x [top, bottom).
void FillBand(PixelSurface& surface, int64_t left, int64_t top, int64_t right, int64_t bottom,
              int64_t width, uint16_t pixel) {
    Fill(surface, left, top, right, std::min(top + width, bottom), pixel);
    Fill(surface, left, std::max(bottom - width, top), right, bottom, pixel);
    Fill(surface, left, top, std::min(left + width, right), bottom, pixel);
    Fill(surface, std::max(right - width, left), top, right, bottom, pixel);
}

// floor(mapPixel * pixels / (cells * 40)): a map pixel's place in the overview picture.
int64_t PicturePixel(int32_t mapPixel, uint32_t cells, int32_t pixels) {
    if (cells == 0) return 0;
    return FloorDivide(int64_t{mapPixel} * pixels, int64_t{cells} * kCellSize);
}

}  // namespace

StartMarker ViewStartMarker(int32_t startX, int32_t startY, int32_t scrollX, int32_t scrollY, ViewZoom zoom) {
    if (zoom.factor > 1) {
        return StartMarker{FloorDivide(int64_t{startX} - int64_t{scrollX} * kCellSize, zoom.factor),
                           FloorDivide(int64_t{startY} - int64_t{scrollY} * kCellSize, zoom.factor),
                           std::max(zoom.CellPixels() / 2, kOverviewMarkerMinReach), kOverviewMarkerThickness};
    }
    return StartMarker{int64_t{startX} - int64_t{scrollX} * kCellSize,
                       int64_t{startY} - int64_t{scrollY} * kCellSize, kCellSize / 2, kViewMarkerThickness};
}

StartMarker OverviewStartMarker(const OverviewScale& scale, int32_t startX, int32_t startY) {
    return StartMarker{PicturePixel(startX, scale.cellsX, scale.width),
                       PicturePixel(startY, scale.cellsY, scale.height),
                       std::max(scale.cellPixels / 2, kOverviewMarkerMinReach), kOverviewMarkerThickness};
}

void DrawStartMarker(PixelSurface& surface, const StartMarker& marker) {
    if (!surface.HasSurface()) return;
    FillPlus(surface, marker, 1, kMarkOutlinePixel);
    FillPlus(surface, marker, 0, kStartMarkerPixel);
}

void DrawViewFrame(PixelSurface& surface, const PixelRect& frame) {
    if (!surface.HasSurface() || frame.right <= frame.left || frame.bottom <= frame.top) return;
    FillBand(surface, int64_t{frame.left} - 1, int64_t{frame.top} - 1, int64_t{frame.right} + 1,
             int64_t{frame.bottom} + 1, 1, kMarkOutlinePixel);
    FillBand(surface, frame.left, frame.top, frame.right, frame.bottom, kFrameWidth, kViewFramePixel);
}

void DrawViewConflictMarks(PixelSurface& view, const std::vector<CellPoint>& cells, int32_t scrollX,
                           int32_t scrollY, ViewZoom zoom) {
    if (!view.HasSurface()) return;
    const int32_t side = zoom.CellPixels();
    const int64_t band = side >= kCellSize ? 3 : side >= kCellSize / 2 ? 2 : 1;
    for (const CellPoint& cell : cells) {
        const int64_t column = int64_t{cell.column} - scrollX;
        const int64_t row = int64_t{cell.row} - scrollY;
        if (column < 0 || row < 0 || column >= zoom.Columns() || row >= zoom.Rows()) continue;
        const int64_t left = column * side, top = row * side;
        FillBand(view, left, top, left + side, top + side, band, kConflictMarkPixel);
        FillBand(view, left + band, top + band, left + side - band, top + side - band, 1, kMarkOutlinePixel);
    }
}

void DrawOverviewConflictMarks(PixelSurface& picture, const std::vector<CellPoint>& cells,
                               const OverviewScale& scale) {
    if (!picture.HasSurface()) return;
    for (const CellPoint& cell : cells) {
        const int32_t left = scale.XOfColumn(cell.column), top = scale.YOfRow(cell.row);
        const int32_t right = std::max(scale.XOfColumn(int64_t{cell.column} + 1), left + 1);
        const int32_t bottom = std::max(scale.YOfRow(int64_t{cell.row} + 1), top + 1);
        FillBand(picture, left, top, right, bottom, 1, kConflictMarkPixel);
    }
}
