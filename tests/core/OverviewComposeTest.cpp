// The overview's picture: pictures scaled once, the map composed from them by the view's
// rules, and what the editor draws over it (the view frame, the start marker).
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "SurfaceTestSupport.h"
#include "render/core/Blit.h"
#include "render/core/MapView.h"
#include "render/core/OverviewCompose.h"
#include "render/core/ViewGeometry.h"
#include "render/core/ViewMarks.h"

namespace {

using surface_test::Fill;
using surface_test::Lcg;

int Differences(const PixelSurface& a, const PixelSurface& b, int32_t width, int32_t height) {
    int differing = 0;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) differing += a.Pixel(x, y) != b.Pixel(x, y);
    return differing;
}

// Pictures with key pixels scattered through them (about one in five), so transparency and
// the order of drawing show.
class OverviewComposeTest : public ::testing::Test {
protected:
    MemorySurface backdrop{640, 480};
    MemorySurface smallSheet{512, 512};
    MemorySurface largeSheet{512, 512};
    MapModel map;
    OverviewSheets sheets;

    void SetUp() override {
        Fill(backdrop, [](int32_t x, int32_t y) { return (x * y) % 7 == 3 ? 0 : static_cast<uint16_t>(1 + ((x * 7 + y * 13) & 0x3FFF)); });
        // Key pixels scattered, for the full size, and in blocks, which stay transparent
        // when the sheets are scaled down.
        Fill(smallSheet, [](int32_t x, int32_t y) {
            const bool key = (x + 2 * y) % 5 == 0 || (x / 10 + 2 * (y / 10)) % 5 == 0;
            return key ? 0 : static_cast<uint16_t>(0x4000 | ((x * 3 + y * 5) & 0x3FFF));
        });
        Fill(largeSheet, [](int32_t x, int32_t y) {
            const bool key = (3 * x + y) % 5 == 0 || (x / 16 + y / 16) % 4 == 0;
            return key ? 0 : static_cast<uint16_t>(0x8000 | ((x + y * 512) & 0x7FFF));
        });
        backdrop.colorKey = smallSheet.colorKey = largeSheet.colorKey = 0;
    }

    // About two cells in three filled in every layer, chips from the whole sheet.
    void RandomMap(int32_t cellsX, int32_t cellsY, uint32_t seed) {
        ASSERT_TRUE(map.ResizeMap(cellsX * kCellSize, cellsY * kCellSize));
        Lcg random{seed};
        for (int layer = 0; layer < 3; ++layer) {
            const int32_t step = layer == 2 ? 80 : 40;
            for (size_t i = 0; i < map.CellCount(); ++i) {
                const uint32_t id = random.Next(3) == 0 ? 0 : 1 + random.Next(50);
                map.Layer(layer)[i] = MapCell{id, static_cast<int32_t>(random.Next(512 / step)) * step,
                                              static_cast<int32_t>(random.Next(512 / step)) * step};
            }
        }
    }

    void Compose(PixelSurface& out, const OverviewScale& scale, const LayerVisibility& shown = {}) {
        ASSERT_TRUE(sheets.Prepare(smallSheet, largeSheet, backdrop, SheetCellPixels(scale)));
        ComposeOverview(out, sheets, scale, map, shown);
    }

    void Walk(PixelSurface& out, int32_t cellPixels, const LayerVisibility& shown);

    // The whole map as the view shows it, one 16 x 12-cell view after the other.
    void StitchViews(PixelSurface& out, const LayerVisibility& shown) {
        MemorySurface view(kViewWidth, kViewHeight);
        for (int32_t top = 0; top < out.height; top += kViewHeight)
            for (int32_t left = 0; left < out.width; left += kViewWidth) {
                ComposeMapView(view, backdrop, smallSheet, largeSheet, map, left / kCellSize,
                               top / kCellSize, shown);
                for (int32_t y = 0; y < kViewHeight && top + y < out.height; ++y)
                    for (int32_t x = 0; x < kViewWidth && left + x < out.width; ++x)
                        out.SetPixel(left + x, top + y, view.Pixel(x, y));
            }
    }
};

}  // namespace

TEST(ScalePicture, AveragesBoxesKeepsMostlyKeyBoxesTransparentAndNeverTurnsAVisibleBoxToKey) {
    MemorySurface source(8, 8);  // four 4 x 4 boxes at 10 pixels a cell
    Fill(source, [](int32_t x, int32_t y) -> uint16_t {
        const int32_t i = (y % 4) * 4 + x % 4;  // 0..15 within the box
        if (x < 4 && y < 4) return i < 9 ? 0 : Rgb555(248, 0, 0);         // 9 of 16 keys
        if (y < 4) return i < 8 ? 0 : (i < 12 ? 0x0010 : 0x0012);         // half keys
        if (x < 4) return 0x1234;
        return i < 5 ? 0x0400 : (i < 10 ? 0x0020 : 0x0001);               // dark, one channel each
    });
    source.colorKey = 0;
    const auto keyed = ScalePicture(source, 10, true);
    ASSERT_TRUE(keyed);
    ASSERT_EQ(keyed->width, 2);
    ASSERT_EQ(keyed->height, 2);
    EXPECT_EQ(keyed->colorKey, 0);
    EXPECT_EQ(keyed->Pixel(0, 0), 0);          // mostly key: transparent
    EXPECT_EQ(keyed->Pixel(1, 0), 0x0011);     // half key: the average of the rest (blue 16, 18)
    EXPECT_EQ(keyed->Pixel(0, 1), 0x1234);
    EXPECT_EQ(keyed->Pixel(1, 1), 0x0001);     // averages to the key, moved one step off it
    const auto opaque = ScalePicture(source, 10, false);
    ASSERT_TRUE(opaque);
    EXPECT_EQ(opaque->Pixel(0, 0), 14 << 10);  // keys as black: 7 reds of 31 in 16 pixels, 13.6
    EXPECT_EQ(opaque->Pixel(1, 1), 0);  // no key here: the plain average, black

    EXPECT_FALSE(ScalePicture(source, 0, true));
    EXPECT_FALSE(ScalePicture(source, 41, true));
    EXPECT_FALSE(ScalePicture(source, 4, true));  // 8 x 4 / 40 gives no pixel
    MemorySurface sheet(512, 512);
    const auto three = ScalePicture(sheet, 3, true);
    ASSERT_TRUE(three);
    EXPECT_EQ(three->width, 38);  // 512 x 3 / 40
}

TEST_F(OverviewComposeTest, FortyPixelsACellIsThePictureTheViewShows) {
    RandomMap(21, 14, 7);  // blocks of the view cut at the map's right and bottom edges
    for (const LayerVisibility& shown : {LayerVisibility{}, [] {
             LayerVisibility v;
             v.Set(1, false);
             return v;
         }()}) {
        const OverviewScale scale = OverviewScaleAt(map.CellCounts(), 40);
        MemorySurface overview(scale.width, scale.height), views(scale.width, scale.height);
        Compose(overview, scale, shown);
        StitchViews(views, shown);
        EXPECT_EQ(Differences(overview, views, scale.width, scale.height), 0);
    }
    const auto unscaled = ScalePicture(largeSheet, 40, true);
    EXPECT_EQ(Differences(*unscaled, largeSheet, 512, 512), 0);
}

// The picture at `cellPixels` a cell as a walk over every cell draws it from the sheets at
// that size: the backdrop in every 16 x 12 block, then each cell's chips in row-major order,
// a large chip twice a cell square.
void OverviewComposeTest::Walk(PixelSurface& out, int32_t cellPixels, const LayerVisibility& shown) {
    ASSERT_TRUE(sheets.Prepare(smallSheet, largeSheet, backdrop, cellPixels));
    const MapCellCounts counts = map.CellCounts();
    const PixelSurface& tile = sheets.Backdrop();
    for (int32_t y = 0; y < out.height; ++y)
        for (int32_t x = 0; x < out.width; ++x)
            out.SetPixel(x, y, tile.Pixel(x % (16 * cellPixels), y % (12 * cellPixels)));
    for (uint32_t row = 0; row < counts.cellsY; ++row)
        for (uint32_t column = 0; column < counts.cellsX; ++column)
            for (int layer : {2, 1, 0}) {
                const MapCell& cell = map.Layer(layer)[row * counts.cellsX + column];
                if (cell.chipId == 0 || !shown.Shows(layer)) continue;
                const int32_t size = (layer == 2 ? 2 : 1) * cellPixels;
                const int32_t left = cell.srcX * cellPixels / 40, top = cell.srcY * cellPixels / 40;
                BlitKeyed(out, static_cast<int32_t>(column) * cellPixels, static_cast<int32_t>(row) * cellPixels,
                          layer == 2 ? sheets.Large() : sheets.Small(), left, top, left + size, top + size);
            }
}

// Each cell size the overview uses, drawn as the walk draws it, with and without a layer.
TEST_F(OverviewComposeTest, EveryCellSizeDrawsWhatAWalkOverEveryCellDraws) {
    RandomMap(23, 17, 5);  // two blocks of the backdrop each way, the second cut
    LayerVisibility noLayer2;
    noLayer2.Set(2, false);
    for (const int32_t cellPixels : {1, 2, 3, 7, 8, 9, 10, 13})
        for (const LayerVisibility& shown : {LayerVisibility{}, noLayer2}) {
            const OverviewScale scale = OverviewScaleAt(map.CellCounts(), cellPixels);
            MemorySurface picture(scale.width, scale.height), walk(scale.width, scale.height);
            Walk(walk, cellPixels, shown);
            Compose(picture, scale, shown);
            EXPECT_EQ(Differences(picture, walk, scale.width, scale.height), 0)
                << cellPixels << " pixels a cell" << (shown.Shows(2) ? "" : ", layer 2 hidden");
        }
}

// Below a pixel a cell, each pixel has the colour its sampled cell has at one pixel a cell:
// on a map of 481 columns the 480 pixels sample columns 0 to 479 one by one.
TEST_F(OverviewComposeTest, BelowAPixelACellEachPixelHasItsSampledCellsColour) {
    RandomMap(481, 5, 99);
    LayerVisibility noLayer0;
    noLayer0.Set(0, false);
    for (const LayerVisibility& shown : {LayerVisibility{}, noLayer0}) {
        const OverviewScale sampled = OverviewScaleFor(map.CellCounts());
        ASSERT_EQ(sampled.cellPixels, 0);
        ASSERT_EQ(sampled.width, 480);
        ASSERT_EQ(sampled.height, 5);
        MemorySurface picture(480, 5), walk(481, 5);
        Compose(picture, sampled, shown);
        Walk(walk, 1, shown);
        EXPECT_EQ(Differences(picture, walk, 480, 5), 0);
    }
}

// At 10 pixels a cell, with chips of one flat colour each, the picture can be read by eye.
TEST_F(OverviewComposeTest, TenPixelsACellPutsEachChipOnItsCells) {
    Fill(smallSheet, [](int32_t x, int32_t y) { return static_cast<uint16_t>(0x4000 + x / 40 + 16 * (y / 40)); });
    Fill(largeSheet, [](int32_t x, int32_t y) { return static_cast<uint16_t>(0x6000 + x / 80 + 16 * (y / 80)); });
    ASSERT_TRUE(map.ResizeMap(20 * kCellSize, 13 * kCellSize));
    const auto put = [&](int layer, uint32_t column, uint32_t row, MapCell cell) {
        map.Layer(layer)[row * 20 + column] = cell;
    };
    put(2, 2, 1, MapCell{1, 80, 0});     // covers columns 2-3, rows 1-2
    put(1, 3, 2, MapCell{2, 40, 40});    // over the large chip's bottom-right quarter
    put(2, 3, 1, MapCell{3, 160, 80});   // later large chip over the first one's right half
    put(0, 19, 12, MapCell{4, 80, 0});   // the last cell
    put(2, 19, 12, MapCell{5, 0, 0});    // reaches past the picture: cut
    const OverviewScale scale = OverviewScaleFor(map.CellCounts());
    ASSERT_EQ(scale.cellPixels, 10);
    MemorySurface picture(scale.width, scale.height);
    Compose(picture, scale);
    const PixelSurface& tile = sheets.Backdrop();
    EXPECT_EQ(picture.Pixel(25, 15), 0x6001);        // first large chip, left half
    EXPECT_EQ(picture.Pixel(35, 15), 0x6000 + 2 + 16);  // the later one over it
    EXPECT_EQ(picture.Pixel(35, 25), 0x4000 + 1 + 16);  // the small chip over both
    EXPECT_EQ(picture.Pixel(25, 25), 0x6001);
    EXPECT_EQ(picture.Pixel(45, 25), 0x6000 + 2 + 16);
    EXPECT_EQ(picture.Pixel(195, 125), 0x4002);      // layer 0 over layer 2
    EXPECT_EQ(picture.Pixel(5, 5), tile.Pixel(5, 5));          // the backdrop's first block
    EXPECT_EQ(picture.Pixel(165, 5), tile.Pixel(5, 5));        // and its second, 16 cells on
    EXPECT_EQ(picture.Pixel(105, 125), tile.Pixel(105, 5));    // 12 rows down
}

TEST_F(OverviewComposeTest, SheetsAreScaledOnceForAScale) {
    ASSERT_TRUE(sheets.Prepare(smallSheet, largeSheet, backdrop, 8));
    const PixelSurface* first = &sheets.Small();
    EXPECT_EQ(sheets.Small().width, 102);
    EXPECT_EQ(sheets.Backdrop().width, 128);
    EXPECT_EQ(sheets.Backdrop().height, 96);
    ASSERT_TRUE(sheets.Prepare(smallSheet, largeSheet, backdrop, 8));
    EXPECT_EQ(&sheets.Small(), first);
    ASSERT_TRUE(sheets.Prepare(smallSheet, largeSheet, backdrop, 10));
    EXPECT_EQ(sheets.Small().width, 128);
    EXPECT_FALSE(sheets.Prepare(smallSheet, largeSheet, backdrop, 0));
    EXPECT_EQ(sheets.CellPixels(), 0);
    // Unprepared sheets draw nothing rather than the wrong size.
    MemorySurface picture(160, 120);
    Fill(picture, [](int32_t, int32_t) -> uint16_t { return 0x1111; });
    ComposeOverview(picture, sheets, OverviewScaleFor(map.CellCounts()), map);
    EXPECT_EQ(picture.Pixel(50, 50), 0x1111);
}

TEST(ViewMarks, FrameAndStartMarkerLieWhereTheGeometrySays) {
    const auto untouched = [](int32_t, int32_t) -> uint16_t { return 0x1111; };
    MemorySurface surface(100, 80);
    Fill(surface, untouched);
    DrawViewFrame(surface, PixelRect{10, 20, 50, 60});
    EXPECT_EQ(surface.Pixel(10, 30), kViewFramePixel);
    EXPECT_EQ(surface.Pixel(11, 30), kViewFramePixel);
    EXPECT_EQ(surface.Pixel(12, 30), 0x1111);  // inside the frame: untouched
    EXPECT_EQ(surface.Pixel(48, 59), kViewFramePixel);
    EXPECT_EQ(surface.Pixel(9, 30), kMarkOutlinePixel);
    EXPECT_EQ(surface.Pixel(50, 30), kMarkOutlinePixel);
    EXPECT_EQ(surface.Pixel(8, 30), 0x1111);
    DrawViewFrame(surface, PixelRect{0, 0, 100, 80});  // at the picture's edges: clipped

    MemorySurface view(640, 480);
    Fill(view, untouched);
    const StartMarker marker = ViewStartMarker(500, 260, 2, 1);  // view point (420, 220)
    EXPECT_EQ(marker.centreX, 420);
    EXPECT_EQ(marker.centreY, 220);
    DrawStartMarker(view, marker);
    EXPECT_EQ(view.Pixel(400, 218), kStartMarkerPixel);  // one cell across, 4 pixels thick
    EXPECT_EQ(view.Pixel(439, 221), kStartMarkerPixel);
    EXPECT_EQ(view.Pixel(420, 200), kStartMarkerPixel);
    EXPECT_EQ(view.Pixel(440, 220), kMarkOutlinePixel);
    EXPECT_EQ(view.Pixel(420, 222), kStartMarkerPixel);
    EXPECT_EQ(view.Pixel(418, 222), kStartMarkerPixel);
    EXPECT_EQ(view.Pixel(425, 225), 0x1111);  // between the arms
    DrawStartMarker(view, ViewStartMarker(INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN));  // far off: nothing

    const OverviewScale sixty = OverviewScaleFor(MapCellCounts{60, 60});
    const StartMarker small = OverviewStartMarker(sixty, 1200, 400);
    EXPECT_EQ(small.centreX, 240);
    EXPECT_EQ(small.centreY, 80);
    EXPECT_EQ(small.reach, 4);
    const StartMarker sampled = OverviewStartMarker(OverviewScaleFor(MapCellCounts{1000, 1000}), 40000, 0);
    EXPECT_EQ(sampled.centreX, 480);
    EXPECT_EQ(sampled.reach, 3);
}

// Cell (3, 2) with the view at (1, 1): a red band inside its edges and a black line inside
// that, at every zoom; in the overview, a pixel at least, also below a pixel a cell.
class ConflictMarkZoom : public ::testing::TestWithParam<int32_t> {};
TEST_P(ConflictMarkZoom, FramesTheCellInsideItsEdges) {
    const ViewZoom zoom{GetParam()};
    const int32_t side = zoom.CellPixels(), band = side == 40 ? 3 : side == 20 ? 2 : 1, x = 2 * side, y = side;
    MemorySurface view(640, 480);
    Fill(view, [](int32_t, int32_t) -> uint16_t { return 0x1111; });
    DrawViewConflictMarks(view, {{3, 2}, {0, 0}, {1 + zoom.Columns(), 1}}, 1, 1, zoom);
    EXPECT_EQ(view.Pixel(x + band - 1, y + side - 1), kConflictMarkPixel);
    EXPECT_EQ(view.Pixel(x + side - band - 1, y + band + 2), kMarkOutlinePixel);
    EXPECT_EQ(view.Pixel(x + side / 2, y + side / 2) + view.Pixel(639, 0), 2 * 0x1111);  // inside, beyond the view
    const OverviewScale scale = OverviewScaleFor(MapCellCounts{60u * GetParam() * GetParam(), 60});
    MemorySurface picture(scale.width, scale.height);
    DrawOverviewConflictMarks(picture, {{30, 10}}, scale);
    EXPECT_EQ(picture.Pixel(scale.XOfColumn(30), scale.YOfRow(10)), kConflictMarkPixel);
}
INSTANTIATE_TEST_SUITE_P(Zooms, ConflictMarkZoom, ::testing::Values(1, 2, 4));
