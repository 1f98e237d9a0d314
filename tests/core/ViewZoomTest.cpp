// The view zoomed out: the cell under a point and the zoom around it at each zoom, and the
// zoomed composition against the overview's own walk over the same cells.
#include <gtest/gtest.h>

#include "map/core/ToolState.h"
#include "render/core/MapView.h"
#include "render/core/OverviewCompose.h"
#include "render/core/ViewCentering.h"

namespace {

struct ZoomPointCase {
    int32_t factor;
    int32_t x, y;
    CellPoint cell;          // with the view scrolled to (50, 40)
    ViewOffsets zoomedOut;   // the offsets at the next zoom out, the cell staying under (x, y)
};
void PrintTo(const ZoomPointCase& c, std::ostream* out) { *out << c.factor << ": " << c.x << "," << c.y; }

class ZoomedPoint : public ::testing::TestWithParam<ZoomPointCase> {};

TEST_P(ZoomedPoint, NamesTheCellUnderItAndStaysOnItWhenZoomingOut) {
    const ZoomPointCase& c = GetParam();
    const ViewZoom zoom{c.factor};
    EXPECT_EQ(ViewPointCell(c.x, c.y, 50, 40, zoom), c.cell);
    const ViewOffsets out = ZoomAroundPoint(c.x, c.y, {50, 40}, zoom, ZoomedOut(zoom), MapCellCounts{200, 200});
    EXPECT_EQ(out, c.zoomedOut);
    EXPECT_EQ(ViewPointCell(c.x, c.y, out.scrollX, out.scrollY, ZoomedOut(zoom)), c.cell);
}

INSTANTIATE_TEST_SUITE_P(
    EachZoom, ZoomedPoint,
    ::testing::Values(ZoomPointCase{1, 0, 0, {50, 40}, {50, 40}}, ZoomPointCase{1, 639, 479, {65, 51}, {34, 28}},
                      ZoomPointCase{1, 400, 200, {60, 45}, {40, 35}}, ZoomPointCase{2, 19, 20, {50, 41}, {49, 39}},
                      ZoomPointCase{2, 639, 479, {81, 63}, {18, 16}}, ZoomPointCase{4, 9, 10, {50, 41}, {50, 40}},
                      ZoomPointCase{4, 630, 470, {113, 87}, {50, 40}}, ZoomPointCase{4, -1, 0, {49, 40}, {50, 40}}));

TEST(ZoomedPoint, KeepsTheViewInsideTheMapAndStopsAtTheEnds) {
    EXPECT_EQ(ZoomedIn(kFullZoom).factor, 1);
    EXPECT_EQ(ZoomedOut(ViewZoom{4}).factor, 4);
    // A 60 x 60 map at 25 % shows all 60 columns: the view stays at column 0.
    EXPECT_EQ(ZoomAroundPoint(600, 400, {44, 48}, kFullZoom, ViewZoom{4}, {60, 60}), (ViewOffsets{0, 12}));
}

void FillZoomPicture(PixelSurface& surface, uint16_t salt) {
    for (int32_t y = 0; y < surface.height; ++y)
        for (int32_t x = 0; x < surface.width; ++x)
            surface.SetPixel(x, y, (x * 7 + y * 3) % 11 == 0 ? 0 : static_cast<uint16_t>((salt + x * 5 + y * 13) & 0x7FFF));
    surface.colorKey = 0;
}

TEST(ZoomedView, ShowsTheCellsAsTheOverviewDrawsThemAtTheSameCellSize) {
    MemorySurface backdrop(640, 480), small(512, 512), large(512, 512);
    FillZoomPicture(backdrop, 0x100);
    FillZoomPicture(small, 0x2000);
    FillZoomPicture(large, 0x4000);
    MapModel map;
    ASSERT_TRUE(map.MakeEmpty(96 * kCellSize, 72 * kCellSize));
    for (uint32_t i = 0; i < map.CellCount(); ++i) {
        const auto n = static_cast<int32_t>(i * 7919 % 1009);
        if (n % 5 == 0) map.Layer(2)[i] = MapCell{1, (n % 6) * 80, (n / 6 % 6) * 80};
        if (n % 3 == 0) map.Layer(1)[i] = MapCell{2, (n % 12) * 40, (n / 12 % 12) * 40};
        if (n % 4 == 1) map.Layer(0)[i] = MapCell{3, (n % 11) * 40, (n / 11 % 11) * 40};
    }
    for (const ViewZoom zoom : {ViewZoom{2}, ViewZoom{4}}) {
        SCOPED_TRACE(zoom.factor);
        OverviewSheets sheets;
        ASSERT_TRUE(sheets.Prepare(small, large, backdrop, zoom.CellPixels()));
        const int32_t cell = zoom.CellPixels();
        const OverviewScale scale{96, 72, 96 * cell, 72 * cell, cell};
        MemorySurface whole(scale.width, scale.height);
        ComposeOverview(whole, sheets, scale, map);
        // Scrolled by whole views of 100 %, so the backdrop lies where the overview lays it.
        MemorySurface view(kViewWidth, kViewHeight);
        ComposeMapView(view, sheets.Backdrop(), sheets.Small(), sheets.Large(), map, 16, 12, LayerVisibility{}, zoom);
        int differing = 0;
        for (int32_t y = 0; y < kViewHeight; ++y)
            for (int32_t x = 0; x < kViewWidth; ++x) differing += view.Pixel(x, y) != whole.Pixel(16 * cell + x, 12 * cell + y);
        EXPECT_EQ(differing, 0);
    }
}

}  // namespace
