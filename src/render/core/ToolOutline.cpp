#include "render/core/ToolOutline.h"

#include <algorithm>

#include "render/core/ViewGeometry.h"

namespace {

constexpr int32_t kUnderPen = 4;
constexpr int32_t kLinePen = 2;
// Far enough beyond the view that neither pen reaches into it from there.
constexpr int64_t kBeyondView = 8;

// A cell border's place in view pixels along one axis, pulled to just beyond the view.
int32_t BorderPixel(int64_t cellBorder, int32_t scroll, int32_t viewPixels, int32_t cellPixels) {
    return static_cast<int32_t>(
        std::clamp<int64_t>((cellBorder - scroll) * cellPixels, -kBeyondView, viewPixels + kBeyondView));
}

}  // namespace

ToolOutline ToolOutlineSegments(const CellRect& cells, int32_t scrollX, int32_t scrollY, ViewZoom zoom) {
    ToolOutline outline;
    if (cells.Empty()) return outline;
    const int32_t cell = zoom.CellPixels();
    const int32_t left = BorderPixel(cells.left, scrollX, kViewWidth, cell);
    const int32_t right = BorderPixel(int64_t{cells.right} + 1, scrollX, kViewWidth, cell);
    const int32_t top = BorderPixel(cells.top, scrollY, kViewHeight, cell);
    const int32_t bottom = BorderPixel(int64_t{cells.bottom} + 1, scrollY, kViewHeight, cell);
    if (right <= 0 || left >= kViewWidth || bottom <= 0 || top >= kViewHeight) return outline;
    const struct {
        int32_t pen;
        uint8_t red, green, blue;
    } strokes[] = {{kUnderPen, 0, 0, 0}, {kLinePen, kToolOutlineRed, kToolOutlineGreen, kToolOutlineBlue}};
    for (const auto& s : strokes) {
        outline.segments[outline.count++] = {left, top, right, top, s.pen, s.red, s.green, s.blue};
        outline.segments[outline.count++] = {right, top, right, bottom, s.pen, s.red, s.green, s.blue};
        outline.segments[outline.count++] = {right, bottom, left, bottom, s.pen, s.red, s.green, s.blue};
        outline.segments[outline.count++] = {left, bottom, left, top, s.pen, s.red, s.green, s.blue};
    }
    return outline;
}
