#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "SurfaceTestSupport.h"
#include "render/core/Blit.h"
#include "render/core/MapView.h"
#include "render/core/PreviewView.h"
#include "render/core/ToolOutline.h"
#include "render/core/Scrolling.h"
#include "render/core/ViewGeometry.h"
#include "render/core/ViewOverlay.h"

namespace {

// Pixel values that say which picture and which pixel of it they come from. The backdrop
// uses bits 0 to 13, the small sheet has bit 14 set and the large sheet bit 15; none is 0.
uint16_t BackdropPixel(int32_t x, int32_t y) { return static_cast<uint16_t>(1 + ((x * 7 + y * 13) & 0x1FFF)); }
uint16_t SmallPixel(int32_t x, int32_t y) { return static_cast<uint16_t>(0x4000 | ((x * 3 + y * 5) & 0x3FFF)); }
uint16_t LargePixel(int32_t x, int32_t y) { return static_cast<uint16_t>(0x8000 | ((x + y * 512) & 0x7FFF)); }

using surface_test::Fill;
using surface_test::Lcg;

class MapViewTest : public ::testing::Test {
protected:
    MemorySurface backBuffer{640, 480};
    MemorySurface backdrop{640, 480};
    MemorySurface smallSheet{512, 512};
    MemorySurface largeSheet{512, 512};
    MapModel map;

    void SetUp() override {
        Fill(backdrop, BackdropPixel);
        Fill(smallSheet, SmallPixel);
        Fill(largeSheet, LargePixel);
        backdrop.colorKey = smallSheet.colorKey = largeSheet.colorKey = 0;
        Fill(backBuffer, [](int32_t, int32_t) -> uint16_t { return 0x7777; });  // stale picture
    }

    void Compose(int32_t scrollX, int32_t scrollY) {
        ComposeMapView(backBuffer, backdrop, smallSheet, largeSheet, map, scrollX, scrollY);
    }

    // Expects the view rectangle [x, x + w) x [y, y + h) to show the sheet from (sx, sy).
    void ExpectShows(int32_t x, int32_t y, int32_t w, int32_t h, const PixelSurface& sheet,
                     int32_t sx, int32_t sy) {
        for (int32_t dy = 0; dy < h; ++dy) {
            for (int32_t dx = 0; dx < w; ++dx) {
                ASSERT_EQ(backBuffer.Pixel(x + dx, y + dy), sheet.Pixel(sx + dx, sy + dy))
                    << "view pixel " << x + dx << ", " << y + dy;
            }
        }
    }
    void ExpectBackdrop(int32_t x, int32_t y, int32_t w, int32_t h) {
        ExpectShows(x, y, w, h, backdrop, x, y);
    }

    void Put(int layer, uint32_t column, uint32_t row, MapCell cell) {
        map.Layer(layer)[row * map.CellCounts().cellsX + column] = cell;
    }
};

// The picture drawn by walking every cell of the map and testing each for visibility.
void ComposeByVisitingEveryCell(PixelSurface& out, const PixelSurface& backdrop,
                                const PixelSurface& smallSheet, const PixelSurface& largeSheet,
                                const MapModel& map, int32_t scrollX, int32_t scrollY) {
    out.Clear();
    BlitKeyed(out, 0, 0, backdrop, 0, 0, 640, 480);
    const MapCellCounts counts = map.CellCounts();
    for (size_t i = 0; i < map.CellCount(); ++i) {
        const int64_t x = (static_cast<int64_t>(i % counts.cellsX) - scrollX) * 40;
        const int64_t y = (static_cast<int64_t>(i / counts.cellsX) - scrollY) * 40;
        if (x < -40 || x > 639 || y < -40 || y > 479) continue;
        const MapCell& large = map.Layer(2)[i];
        const MapCell& middle = map.Layer(1)[i];
        const MapCell& top = map.Layer(0)[i];
        const auto px = static_cast<int32_t>(x), py = static_cast<int32_t>(y);
        if (large.chipId != 0)
            BlitKeyed(out, px, py, largeSheet, large.srcX, large.srcY, large.srcX + 80, large.srcY + 80);
        if (middle.chipId != 0)
            BlitKeyed(out, px, py, smallSheet, middle.srcX, middle.srcY, middle.srcX + 40, middle.srcY + 40);
        if (top.chipId != 0)
            BlitKeyed(out, px, py, smallSheet, top.srcX, top.srcY, top.srcX + 40, top.srcY + 40);
    }
}



TEST_F(MapViewTest, EmptyMapShowsTheBackdropOverBlack) {
    for (int32_t x = 0; x < 640; x += 2) backdrop.SetPixel(x, 7, 0);  // key pixels
    Compose(0, 0);
    EXPECT_EQ(backBuffer.Pixel(0, 7), 0);  // cleared, not the stale picture
    EXPECT_EQ(backBuffer.Pixel(638, 7), 0);
    ExpectBackdrop(0, 0, 640, 7);
    ExpectBackdrop(0, 8, 640, 472);
}

TEST_F(MapViewTest, LargeChipsAnchoredAtTheViewEdgesShowTheirVisiblePart) {
    ASSERT_TRUE(map.ResizeMap(1200, 800));
    // View at column 5, row 4. Column 4 is view column -1, column 20 view column 15,
    // row 3 the row above the view.
    Put(2, 4, 6, MapCell{1, 80, 160});
    Put(2, 20, 8, MapCell{2, 160, 0});
    Put(2, 9, 3, MapCell{3, 240, 80});
    Compose(5, 4);
    ExpectShows(0, 80, 40, 80, largeSheet, 120, 160);    // right half in view column 0
    ExpectBackdrop(40, 80, 40, 80);
    ExpectShows(600, 160, 40, 80, largeSheet, 160, 0);   // left half, cut at the edge
    ExpectBackdrop(0, 200, 40, 40);                      // nothing wraps to the next row
    ExpectShows(160, 0, 80, 40, largeSheet, 240, 120);   // lower half in view row 0
    ExpectBackdrop(160, 40, 80, 40);
}

TEST_F(MapViewTest, LaterCellsAndUpperLayersDrawOnTop) {
    Put(2, 2, 2, MapCell{1, 0, 0});     // large chip covering columns 2-3, rows 2-3
    Put(1, 3, 2, MapCell{2, 40, 0});    // small chip in the next cell, over its right half
    Put(2, 5, 5, MapCell{3, 80, 80});
    Put(1, 5, 5, MapCell{4, 120, 0});   // layer 1 over layer 2 in the same cell
    Put(0, 5, 5, MapCell{5, 200, 40});  // layer 0 over both, in the top-left quarter only
    Put(2, 6, 5, MapCell{6, 320, 0});   // later large chip over the earlier one's right half
    smallSheet.SetPixel(40 + 10, 0 + 10, 0);  // key pixels: the small chip's shows the large
    smallSheet.SetPixel(40 + 11, 0 + 11, 0);  // chip, both keyed show the backdrop
    largeSheet.SetPixel(40 + 11, 0 + 11, 0);
    Compose(0, 0);

    ExpectShows(80, 80, 40, 80, largeSheet, 0, 0);
    ExpectShows(120, 120, 40, 40, largeSheet, 40, 40);
    EXPECT_EQ(backBuffer.Pixel(130, 90), largeSheet.Pixel(50, 10));  // through the key pixel
    EXPECT_EQ(backBuffer.Pixel(131, 91), backdrop.Pixel(131, 91));
    EXPECT_EQ(backBuffer.Pixel(132, 90), smallSheet.Pixel(42 + 10, 10));
    EXPECT_EQ(backBuffer.Pixel(120, 80), smallSheet.Pixel(40, 0));

    ExpectShows(200, 200, 40, 40, smallSheet, 200, 40);
    ExpectShows(200, 240, 40, 40, largeSheet, 80, 120);
    ExpectShows(240, 200, 80, 80, largeSheet, 320, 0);
}

TEST_F(MapViewTest, EmptyCellsDrawNothingWhateverTheirSheetPosition) {
    for (int layer = 0; layer < 3; ++layer) {
        for (size_t i = 0; i < map.CellCount(); ++i) map.Layer(layer)[i] = MapCell{0, 40, 80};
    }
    Compose(0, 0);
    ExpectBackdrop(0, 0, 640, 480);
}

TEST_F(MapViewTest, MatchesAWalkOverEveryCell) {
    struct Case {
        int32_t width, height, scrollX, scrollY;
    };
    const Case cases[] = {
        {640, 480, 0, 0},     {2400, 2400, 0, 0},   {2400, 2400, 44, 48}, {2400, 2400, 21, 17},
        {400, 320, 0, 0},     {1200, 800, -3, -2},  {1200, 800, 29, 19},  {2400, 2400, 70, 3},
        {650, 519, 1, 1},     {40, 40, 0, 0},
    };
    MemorySurface expected(640, 480);
    Lcg random{12345};
    for (const Case& c : cases) {
        ASSERT_TRUE(map.ResizeMap(c.width, c.height));
        for (int layer = 0; layer < 3; ++layer) {
            for (size_t i = 0; i < map.CellCount(); ++i) {
                const uint32_t id = random.Next(3) == 0 ? 0 : 1 + random.Next(50);
                const int32_t step = layer == 2 ? 80 : 40;
                const int32_t sx = static_cast<int32_t>(random.Next(512 / step)) * step;
                const int32_t sy = static_cast<int32_t>(random.Next(512 / step)) * step;
                map.Layer(layer)[i] = MapCell{id, sx, sy};
            }
        }
        Compose(c.scrollX, c.scrollY);
        ComposeByVisitingEveryCell(expected, backdrop, smallSheet, largeSheet, map, c.scrollX,
                                   c.scrollY);
        for (int32_t y = 0; y < 480; ++y) {
            for (int32_t x = 0; x < 640; ++x) {
                ASSERT_EQ(backBuffer.Pixel(x, y), expected.Pixel(x, y))
                    << c.width << "x" << c.height << " scrolled " << c.scrollX << ","
                    << c.scrollY << " at " << x << "," << y;
            }
        }
    }
}

TEST(Scrolling, StaysWithinTheMap) {
    // 16 x 12: the view is the map, no key moves it, all four edges show.
    EXPECT_EQ(ScrollRight(0, 16), 0);
    EXPECT_EQ(ScrollDown(0, 12), 0);
    EXPECT_EQ(ScrollLeft(0), 0);
    EXPECT_EQ(ScrollUp(0), 0);

    // 60 x 60: Right stops at 44, Down at 48, where the far edges show.
    int32_t x = 0, y = 0;
    for (int i = 0; i < 100; ++i) x = ScrollRight(x, 60);
    for (int i = 0; i < 100; ++i) y = ScrollDown(y, 60);
    EXPECT_EQ(x, 44);
    EXPECT_EQ(y, 48);
    EXPECT_EQ(ScrollLeft(44), 43);
    EXPECT_EQ(ScrollUp(1), 0);

    // A map smaller than the view never scrolls to a negative offset.
    EXPECT_EQ(ScrollRight(0, 10), 0);
    EXPECT_EQ(ScrollDown(0, 0), 0);
    EXPECT_EQ(ScrollLeft(INT32_MIN), 0);
    EXPECT_EQ(ScrollRight(INT32_MAX, 60), 44);
    // A map that changed size under the view: the offset moves just enough to stay inside.
    EXPECT_EQ(ScrollKeptInMap(44, 16, kViewColumns), 0);
    EXPECT_EQ(ScrollKeptInMap(44, 50, kViewColumns), 34);
    EXPECT_EQ(ScrollKeptInMap(20, 60, kViewRows), 20);
    EXPECT_EQ(ScrollKeptInMap(-3, 60, kViewRows), 0);
    EXPECT_EQ(ScrollKeptInMap(INT32_MAX, 1000000, kViewColumns), 1000000 - 16);
    EXPECT_EQ(ScrollKeptInMap(INT64_MAX, 1000000, kViewColumns), 1000000 - 16);
    EXPECT_EQ(ScrollKeptInMap(3, 10, kViewColumns), 0);
}

// Markers as (x1, y1, x2, y2) of the red segments, in drawing order.
std::vector<std::vector<int32_t>> Markers(const ViewOverlay& overlay) {
    std::vector<std::vector<int32_t>> out;
    for (size_t i = 0; i < overlay.count; ++i) {
        const LineSegment& s = overlay.segments[i];
        if (s.red == 255) out.push_back({s.x1, s.y1, s.x2, s.y2});
    }
    return out;
}

TEST(ViewOverlay, MarkersStandOnTheEdgesTheViewShows) {
    using M = std::vector<std::vector<int32_t>>;
    EXPECT_EQ(Markers(ComposeViewOverlay({16, 12}, 0, 0)),
              (M{{0, 0, 0, 480}, {0, 0, 640, 0}, {640, 0, 640, 480}, {0, 480, 640, 480}}));
    EXPECT_EQ(Markers(ComposeViewOverlay({60, 60}, 44, 48)),
              (M{{640, 0, 640, 480}, {0, 480, 640, 480}}));
    EXPECT_TRUE(Markers(ComposeViewOverlay({60, 60}, 43, 47)).empty());
    // A map smaller than the view: every marker on the map's own edges.
    EXPECT_EQ(Markers(ComposeViewOverlay({2, 1}, 0, 0)),
              (M{{0, 0, 0, 40}, {0, 0, 80, 0}, {80, 0, 80, 40}, {0, 40, 80, 40}}));
}

TEST(ViewOverlay, GridCoversTheMapOnly) {
    const ViewOverlay small = ComposeViewOverlay({2, 1}, 0, 0);
    EXPECT_EQ(small.area.right, 80);
    EXPECT_EQ(small.area.bottom, 40);
    ASSERT_EQ(small.count, 3u + 2u + 4u);
    for (size_t i = 0; i < 5; ++i) {
        const LineSegment& s = small.segments[i];
        EXPECT_EQ(s.green, 255);
        EXPECT_LE(std::max(s.x1, s.x2), 80);
        EXPECT_LE(std::max(s.y1, s.y2), 40);
    }
    EXPECT_EQ(ComposeViewOverlay({60, 60}, 10, 10).count, 17u + 13u);
}

TEST(ViewOverlay, OutsideTheMapAreaIsOnePlainColour) {
    MemorySurface view(640, 480);
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x) view.SetPixel(x, y, 0x1234);
    FillOutsideMapArea(view, MapArea{80, 40});
    for (int32_t y = 0; y < 480; ++y) {
        for (int32_t x = 0; x < 640; ++x) {
            ASSERT_EQ(view.Pixel(x, y), x < 80 && y < 40 ? 0x1234 : kOutsideMapPixel) << x << "," << y;
        }
    }
}

}  // namespace

namespace {

// The preview of pending writes is the view of a map with those writes applied, wherever the
// view is scrolled; the map itself is not changed.
TEST_F(MapViewTest, PreviewOfWritesIsTheViewOfTheMapWithThemApplied) {
    ASSERT_TRUE(map.ResizeMap(30 * 40, 20 * 40));
    Lcg random{7};
    for (int i = 0; i < 300; ++i)
        Put(static_cast<int>(random.Next(3)), random.Next(30), random.Next(20),
            MapCell{1 + random.Next(9), static_cast<int32_t>(40 * random.Next(12)), 0});
    CellWrites writes;
    for (uint32_t i = 0; i < 120; ++i) {
        const uint32_t index = random.Next(30 * 20);
        const uint8_t layer = static_cast<uint8_t>(random.Next(3));
        writes.push_back(CellWrite{index, layer, MapCell{2, 80, layer == 2 ? 80 : 0}});
    }
    writes.push_back(CellWrite{30 * 20, 0, MapCell{3, 0, 0}});  // outside the map: left out
    writes.push_back(CellWrite{0, 3, MapCell{3, 0, 0}});        // no such layer: left out
    const uint32_t mapIndexOfLastWrite = writes[119].index;
    const MapCell before = map.Layer(writes[119].layer)[mapIndexOfLastWrite];

    MapModel written;
    ASSERT_TRUE(written.ResizeMap(30 * 40, 20 * 40));
    for (int layer = 0; layer < 3; ++layer)
        std::copy(map.Layer(layer), map.Layer(layer) + map.CellCount(), written.Layer(layer));
    for (size_t i = 0; i < 120; ++i) written.Layer(writes[i].layer)[writes[i].index] = writes[i].cell;

    MemorySurface expected{640, 480};
    LayerVisibility shown;
    shown.Set(1, false);
    for (const auto& scroll : {std::pair<int32_t, int32_t>{0, 0}, {1, 1}, {7, 3}, {14, 8}}) {
        ComposeMapViewWith(backBuffer, backdrop, smallSheet, largeSheet, map, scroll.first,
                           scroll.second, shown, writes);
        ComposeMapView(expected, backdrop, smallSheet, largeSheet, written, scroll.first, scroll.second, shown);
        for (int32_t y = 0; y < 480; ++y)
            for (int32_t x = 0; x < 640; ++x)
                ASSERT_EQ(backBuffer.Pixel(x, y), expected.Pixel(x, y))
                    << "scroll " << scroll.first << "," << scroll.second << " pixel " << x << "," << y;
    }
    EXPECT_EQ(map.Layer(writes[119].layer)[mapIndexOfLastWrite], before);
}

// The outline lies on the cell borders, black under magenta, and keeps to the view's
// neighbourhood however far the rectangle reaches.
TEST(ToolOutline, SidesOnTheCellBordersBlackUnderMagenta) {
    const ToolOutline outline = ToolOutlineSegments(CellRect{1, 2, 3, 2}, 0, 1);
    ASSERT_EQ(outline.count, 8u);
    const int32_t expected[4][4] = {{40, 40, 160, 40}, {160, 40, 160, 80}, {160, 80, 40, 80}, {40, 80, 40, 40}};
    for (size_t i = 0; i < 8; ++i) {
        const LineSegment& s = outline.segments[i];
        EXPECT_EQ((std::vector<int32_t>{s.x1, s.y1, s.x2, s.y2}),
                  (std::vector<int32_t>(expected[i % 4], expected[i % 4] + 4))) << i;
        const bool over = i >= 4;
        EXPECT_EQ(s.penWidth, over ? 2 : 4);
        EXPECT_EQ((std::vector<int>{s.red, s.green, s.blue}),
                  over ? (std::vector<int>{255, 0, 255}) : (std::vector<int>{0, 0, 0}));
    }
    const ToolOutline huge = ToolOutlineSegments(CellRect{-100000, 5, 100000, 900000}, 3, 0);
    ASSERT_EQ(huge.count, 8u);
    EXPECT_EQ((std::vector<int32_t>{huge.segments[0].x1, huge.segments[0].y1, huge.segments[0].x2}),
              (std::vector<int32_t>{-8, 200, 648}));
    EXPECT_EQ(huge.segments[1].y2, 488);
    EXPECT_EQ(ToolOutlineSegments(CellRect{}, 0, 0).count, 0u);
    EXPECT_EQ(ToolOutlineSegments(CellRect{16, 0, 20, 3}, 0, 0).count, 0u);  // right of the view
    EXPECT_EQ(ToolOutlineSegments(CellRect{0, 0, 2, 2}, 3, 0).count, 0u);    // left of it
    EXPECT_EQ(ToolOutlineSegments(CellRect{0, 0, 2, 2}, 2, 0).count, 8u);    // its last column shows
}

}  // namespace
