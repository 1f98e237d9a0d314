#include "render/core/OverviewScale.h"

#include <algorithm>

#include "render/core/ViewGeometry.h"

namespace {

// The picture side of `cells` when the longest side of `longest` cells takes 480 pixels,
// rounded to the nearest pixel and never 0, so that a map one cell thin still shows.
int32_t SampledSide(uint32_t cells, uint32_t longest) {
    const uint64_t side = (uint64_t{cells} * kOverviewMaxSide + longest / 2) / longest;
    return static_cast<int32_t>(std::max<uint64_t>(side, 1));
}

// ceil(position * pixels / cells) for a position within [0, cells].
int32_t PixelOf(int64_t position, uint32_t cells, int32_t pixels) {
    if (cells == 0) return 0;
    const int64_t within = std::clamp<int64_t>(position, 0, cells);
    return static_cast<int32_t>((within * pixels + cells - 1) / cells);
}

// floor(pixel * cells / pixels) for a pixel clamped into [0, pixels).
uint32_t CellOf(int32_t pixel, uint32_t cells, int32_t pixels) {
    if (pixels <= 0) return 0;
    const int64_t within = std::clamp<int32_t>(pixel, 0, pixels - 1);
    return static_cast<uint32_t>(within * cells / pixels);
}

// The map pixel under the centre of picture pixel `pixel`: (pixel + 1/2) * 40 * cells / pixels.
int64_t MapPixelOf(int32_t pixel, uint32_t cells, int32_t pixels) {
    if (pixels <= 0) return 0;
    const int64_t within = std::clamp<int32_t>(pixel, 0, pixels - 1);
    return (2 * within + 1) * kCellSize * int64_t{cells} / (2 * int64_t{pixels});
}

// A span [first, last) of at least one pixel within [0, pixels).
void AtLeastOnePixel(int32_t& first, int32_t& last, int32_t pixels) {
    if (last > first) return;
    first = std::min(first, pixels - 1);
    last = first + 1;
}

}  // namespace

int32_t OverviewScale::XOfColumn(int64_t column) const { return PixelOf(column, cellsX, width); }
int32_t OverviewScale::YOfRow(int64_t row) const { return PixelOf(row, cellsY, height); }
uint32_t OverviewScale::ColumnAt(int32_t x) const { return CellOf(x, cellsX, width); }
uint32_t OverviewScale::RowAt(int32_t y) const { return CellOf(y, cellsY, height); }

MapPoint OverviewScale::MapPointAt(int32_t x, int32_t y) const {
    return MapPoint{MapPixelOf(x, cellsX, width), MapPixelOf(y, cellsY, height)};
}

OverviewScale OverviewScaleFor(MapCellCounts counts) {
    const uint32_t longest = std::max(counts.cellsX, counts.cellsY);
    if (counts.cellsX == 0 || counts.cellsY == 0) return OverviewScale{counts.cellsX, counts.cellsY, 0, 0, 0};
    if (longest <= static_cast<uint32_t>(kOverviewMaxSide)) {
        const auto pixels = static_cast<int32_t>(kOverviewMaxSide / longest);
        return OverviewScaleAt(counts, std::min(pixels, kOverviewMaxCellPixels));
    }
    return OverviewScale{counts.cellsX, counts.cellsY, SampledSide(counts.cellsX, longest),
                         SampledSide(counts.cellsY, longest), 0};
}

OverviewScale OverviewScaleAt(MapCellCounts counts, int32_t cellPixels) {
    if (counts.cellsX == 0 || counts.cellsY == 0 || cellPixels <= 0)
        return OverviewScale{counts.cellsX, counts.cellsY, 0, 0, 0};
    const auto side = [&](uint32_t cells) {
        return static_cast<int32_t>(std::min<int64_t>(int64_t{cells} * cellPixels, INT32_MAX));
    };
    return OverviewScale{counts.cellsX, counts.cellsY, side(counts.cellsX), side(counts.cellsY),
                         cellPixels};
}

PixelRect OverviewViewFrame(const OverviewScale& scale, int32_t scrollX, int32_t scrollY, ViewZoom zoom) {
    if (scale.width <= 0 || scale.height <= 0) return PixelRect{};
    PixelRect frame{scale.XOfColumn(scrollX), scale.YOfRow(scrollY),
                    scale.XOfColumn(int64_t{scrollX} + zoom.Columns()),
                    scale.YOfRow(int64_t{scrollY} + zoom.Rows())};
    AtLeastOnePixel(frame.left, frame.right, scale.width);
    AtLeastOnePixel(frame.top, frame.bottom, scale.height);
    return frame;
}
