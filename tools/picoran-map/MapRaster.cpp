#include "MapRaster.h"

#include <algorithm>

#include "render/core/MapView.h"
#include "render/core/ViewOverlay.h"
#include "render/core/ViewGeometry.h"

MapRaster::MapRaster(const MapModel& mapToDraw, const MapPictures& picturesToUse, bool withGrid)
    : map(mapToDraw),
      pictures(picturesToUse),
      grid(withGrid),
      width(map.CellCounts().cellsX * kCellSize),
      height(map.CellCounts().cellsY * kCellSize),
      strip(static_cast<size_t>(width) * 3 * kViewHeight) {}

bool MapRaster::SizeIsRenderable(const MapModel& map, std::string& error, int32_t cellPixels) {
    const uint64_t w = uint64_t{map.CellCounts().cellsX} * static_cast<uint32_t>(cellPixels);
    const uint64_t h = uint64_t{map.CellCounts().cellsY} * static_cast<uint32_t>(cellPixels);
    if (w == 0 || h == 0 || w > kMaxRasterSide || h > kMaxRasterSide || w * h > kMaxRasterPixels) {
        error = "a picture of " + std::to_string(w) + " x " + std::to_string(h) +
                " pixels is beyond what render makes (each side at most " +
                std::to_string(kMaxRasterSide) + ", at most " + std::to_string(kMaxRasterPixels) +
                " pixels)";
        return false;
    }
    return true;
}

const uint8_t* MapRaster::Row(uint32_t y) {
    const uint32_t blockRow = y / kViewHeight;
    if (stripIndex != blockRow) ComposeStrip(blockRow);
    return strip.data() + static_cast<size_t>(y % kViewHeight) * width * 3;
}

// Each block is the view scrolled to (16 bx, 12 by). The view also draws the column left of
// it and the row above it, and in the same row-major order as over the whole map, so a large
// chip anchored in the neighbouring block shows its overhanging part here exactly as the
// editor would show it.
void MapRaster::ComposeStrip(uint32_t blockRow) {
    const uint32_t top = blockRow * kViewHeight;
    const uint32_t rows = std::min<uint32_t>(kViewHeight, height - top);
    for (uint32_t left = 0; left < width; left += kViewWidth) {
        const auto scrollX = static_cast<int32_t>(left / kCellSize);
        const auto scrollY = static_cast<int32_t>(blockRow * kViewRows);
        ComposeMapView(view, *pictures.backdrop, *pictures.smallSheet, *pictures.largeSheet, map,
                       scrollX, scrollY);
        if (grid) DrawGrid(scrollX, scrollY);
        const uint32_t columns = std::min<uint32_t>(kViewWidth, width - left);
        for (uint32_t y = 0; y < rows; ++y) {
            const uint16_t* source = view.Row(static_cast<int32_t>(y));
            uint8_t* out = strip.data() + (static_cast<size_t>(y) * width + left) * 3;
            for (uint32_t x = 0; x < columns; ++x) PutRgb(out + 3 * x, source[x]);
        }
    }
    stripIndex = blockRow;
}

// The editor's own grid segments for the view at this block, without the edge markers.
void MapRaster::DrawGrid(int32_t scrollX, int32_t scrollY) {
    const ViewOverlay overlay = ComposeViewOverlay(map.CellCounts(), scrollX, scrollY);
    for (size_t i = 0; i < overlay.gridCount; ++i) StrokeSegment(view, overlay.segments[i]);
}
