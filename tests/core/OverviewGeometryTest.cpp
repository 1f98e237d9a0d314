// The overview's scale and view frame, moving the view to a clicked point, the wheel, where the
// overview and the other small windows first appear and whether a place kept from an earlier
// run is still on a screen, and the overview's caption.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/Texts.h"
#include "core/WindowPlacement.h"
#include "render/core/OverviewCaption.h"
#include "render/core/OverviewScale.h"
#include "render/core/ViewCentering.h"
#include "render/core/WheelScrolling.h"

namespace {

struct ScaleCase {
    uint32_t cellsX, cellsY;
    int32_t width, height, cellPixels;
};

struct FrameCase {
    uint32_t cellsX, cellsY;
    int32_t scrollX, scrollY;
    int32_t left, top, right, bottom;
};

// The work area, the window's outer size and the spot it takes.
using FirstPlaceCase = std::tuple<ScreenRect, int32_t, int32_t, ScreenPoint>;
class FirstPlace : public ::testing::TestWithParam<FirstPlaceCase> {};

}  // namespace

TEST(OverviewScale, TenPixelsACellUpTo48CellsThenLessAndNeverAnEmptySide) {
    const ScaleCase cases[] = {
        {16, 12, 160, 120, 10},   {48, 48, 480, 480, 10},  {49, 48, 441, 432, 9},
        {60, 60, 480, 480, 8},    {1, 1, 10, 10, 10},      {480, 1, 480, 1, 1},
        {241, 100, 241, 100, 1},  {240, 3, 480, 6, 2},     {1000, 1000, 480, 480, 0},
        {481, 3, 480, 3, 0},      {4000, 250, 480, 30, 0}, {1000000, 1, 480, 1, 0},
        {1, 1000000, 1, 480, 0},  {0, 12, 0, 0, 0},
    };
    for (const ScaleCase& c : cases) {
        const OverviewScale scale = OverviewScaleFor(MapCellCounts{c.cellsX, c.cellsY});
        EXPECT_EQ(scale.width, c.width) << c.cellsX << " x " << c.cellsY;
        EXPECT_EQ(scale.height, c.height) << c.cellsX << " x " << c.cellsY;
        EXPECT_EQ(scale.cellPixels, c.cellPixels) << c.cellsX << " x " << c.cellsY;
    }
    const OverviewScale fixed = OverviewScaleAt(MapCellCounts{60, 60}, 40);
    EXPECT_EQ(fixed.width, 2400);
    EXPECT_EQ(fixed.cellPixels, 40);
}

// Every column starts where the pixels showing it start, also below a pixel a cell.
TEST(OverviewScale, ColumnsAndPixelsAgreeBothWays) {
    for (const MapCellCounts counts : {MapCellCounts{60, 60}, MapCellCounts{1000, 1000},
                                       MapCellCounts{481, 3}, MapCellCounts{4000, 250}}) {
        const OverviewScale scale = OverviewScaleFor(counts);
        for (uint32_t column = 1; column < counts.cellsX; ++column) {
            const int32_t x = scale.XOfColumn(column);
            // Beyond the picture's last pixel lie columns that no pixel samples.
            if (x < scale.width) ASSERT_GE(scale.ColumnAt(x), column) << counts.cellsX << ": column " << column;
            ASSERT_LT(scale.ColumnAt(x - 1), column) << counts.cellsX << ": column " << column;
        }
        EXPECT_EQ(scale.XOfColumn(counts.cellsX), scale.width);
        // The last pixel samples a column of the map's last 1/width part.
        const uint32_t part = (counts.cellsX + scale.width - 1) / static_cast<uint32_t>(scale.width);
        EXPECT_GE(scale.ColumnAt(scale.width - 1), counts.cellsX - part);
        EXPECT_EQ(scale.ColumnAt(-5), 0u);  // clamped into the picture
        EXPECT_EQ(scale.YOfRow(counts.cellsY + 9), scale.height);
    }
}

TEST(OverviewScale, FrameMarksTheViewsCellsAndNeverVanishes) {
    const FrameCase cases[] = {
        {16, 12, 0, 0, 0, 0, 160, 120},           {60, 60, 0, 0, 0, 0, 128, 96},
        {60, 60, 10, 10, 80, 80, 208, 176},       {60, 60, 44, 48, 352, 384, 480, 480},
        {2, 1, 0, 0, 0, 0, 20, 10},               {1000, 1000, 0, 0, 0, 0, 8, 6},
        {1000, 1000, 984, 988, 473, 475, 480, 480}, {1000000, 1, 0, 0, 0, 0, 1, 1},
        {1000000, 1, 999984, 0, 479, 0, 480, 1},  {0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const FrameCase& c : cases) {
        const OverviewScale scale = OverviewScaleFor(MapCellCounts{c.cellsX, c.cellsY});
        const PixelRect frame = OverviewViewFrame(scale, c.scrollX, c.scrollY);
        EXPECT_EQ(frame.left, c.left) << c.cellsX << " x " << c.cellsY << " at " << c.scrollX;
        EXPECT_EQ(frame.top, c.top) << c.cellsX << " x " << c.cellsY << " at " << c.scrollX;
        EXPECT_EQ(frame.right, c.right) << c.cellsX << " x " << c.cellsY << " at " << c.scrollX;
        EXPECT_EQ(frame.bottom, c.bottom) << c.cellsX << " x " << c.cellsY << " at " << c.scrollX;
    }
}

TEST(ViewCentering, PutsTheClickedPointAtTheViewsCentreInsideTheMap) {
    struct Case {
        uint32_t cellsX, cellsY;
        int32_t x, y;  // overview pixels
        ViewOffsets expected;
    };
    const Case cases[] = {
        {60, 60, 240, 240, {22, 24}},    // map pixel (1202, 1202): the view centre at (1200, 1200)
        {60, 60, 0, 0, {0, 0}},          {60, 60, 479, 479, {44, 48}},
        {60, 60, 900, -30, {44, 0}},     // a drag beyond the picture pins to its edge
        {16, 12, 100, 100, {0, 0}},      {20, 12, 199, 60, {4, 0}},
        {1000, 1000, 240, 240, {493, 495}},  // map pixel (20041, 20041)
        {1000000, 1, 479, 0, {998950, 0}},  // the last pixel samples columns 997917 on
    };
    for (const Case& c : cases) {
        const MapCellCounts counts{c.cellsX, c.cellsY};
        const ViewOffsets offsets = CentreViewOn(OverviewScaleFor(counts).MapPointAt(c.x, c.y), counts);
        EXPECT_EQ(offsets.scrollX, c.expected.scrollX) << c.cellsX << " at " << c.x << ", " << c.y;
        EXPECT_EQ(offsets.scrollY, c.expected.scrollY) << c.cellsX << " at " << c.x << ", " << c.y;
    }
}

TEST(Wheel, ShiftAndTiltScrollSidewaysTowardTheUserIsDownOrRight) {
    struct Case {
        WheelSource source;
        bool shift;
        int32_t delta;
        bool horizontal;
        int32_t forward;
    };
    const Case cases[] = {
        {WheelSource::kWheel, false, 120, false, -120},  // away from the user: up
        {WheelSource::kWheel, false, -240, false, 240},
        {WheelSource::kWheel, true, -120, true, 120},    // Shift, toward the user: right
        {WheelSource::kTilt, false, 120, true, 120},     // tilted right: right
        {WheelSource::kTilt, true, -60, true, -60},
    };
    for (const Case& c : cases) {
        const WheelMove move = WheelDirection(c.source, c.shift, c.delta);
        EXPECT_EQ(move.horizontal, c.horizontal) << c.delta;
        EXPECT_EQ(move.forward, c.forward) << c.delta;
    }
    EXPECT_EQ(CellsPerNotch(3, 12), 3);
    EXPECT_EQ(CellsPerNotch(0, 12), 0);
    EXPECT_EQ(CellsPerNotch(100, 16), 16);
    EXPECT_EQ(CellsPerNotch(kWheelPageScroll, 12), 12);
}

TEST(Wheel, NotchesAndPartsOfNotchesAddUpToWholeCells) {
    WheelAccumulator wheel;
    EXPECT_EQ(wheel.Add(120, 3), 3);
    EXPECT_EQ(wheel.Add(-240, 3), -6);
    EXPECT_EQ(wheel.Add(40, 3), 1);  // a third of a notch of three cells
    EXPECT_EQ(wheel.Add(30, 1), 0);
    EXPECT_EQ(wheel.Add(30, 1), 0);
    EXPECT_EQ(wheel.Add(30, 1), 0);
    EXPECT_EQ(wheel.Add(30, 1), 1);   // four quarters make a notch
    EXPECT_EQ(wheel.Add(100, 1), 0);
    EXPECT_EQ(wheel.Add(-60, 1), 0);  // turning back forgets the 100 not yet used
    EXPECT_EQ(wheel.Add(-60, 1), -1);
    EXPECT_EQ(wheel.Add(50, 3), 1);   // 150 of 120: one cell, 30 kept
    EXPECT_EQ(wheel.Add(90, 1), 1);
    wheel.Add(100, 1);
    wheel.Reset();
    EXPECT_EQ(wheel.Add(20, 1), 0);
    EXPECT_EQ(wheel.Add(120, 0), 0);  // a system set to scroll nothing
}

TEST(WindowPlacement, BesideThePalettesOrAtTheWorkAreasEdge) {
    const ScreenRect wide{0, 0, 1920, 1080};
    const ScreenRect narrow{0, 0, 1280, 1024};
    const ScreenPoint beside = PlaceBeside(1042, 100, 486, 510, wide);
    EXPECT_EQ(beside.x, 1042);
    EXPECT_EQ(beside.y, 100);
    const ScreenPoint atEdge = PlaceBeside(1042, 100, 486, 510, narrow);
    EXPECT_EQ(atEdge.x, 1280 - 486);
    EXPECT_EQ(atEdge.y, 100);
    const ScreenPoint low = PlaceBeside(1042, 700, 486, 510, wide);
    EXPECT_EQ(low.y, 1080 - 510);
    const ScreenPoint tooLarge = PlaceBeside(1042, 100, 3000, 2000, ScreenRect{1920, 40, 3200, 1064});
    EXPECT_EQ(tooLarge.x, 1920);
    EXPECT_EQ(tooLarge.y, 40);
}

// The overview asked for right of the palettes, level with the small one, among the windows as
// they stand at start-up: the main window at (100, 100), the palettes at (780, 100) and (780, 400).
TEST_P(FirstPlace, CoversTheLeastOfTheOthersPreferringTheSpotAsked) {
    const std::vector<ScreenRect> windows{{100, 100, 748, 634}, {780, 100, 1042, 381}, {780, 400, 1042, 681}};
    const auto& [workArea, width, height, expected] = GetParam();
    const ScreenPoint spot = PlaceClearOf(ScreenPoint{1042, 100}, width, height, windows, workArea);
    EXPECT_EQ(std::make_pair(spot.x, spot.y), std::make_pair(expected.x, expected.y));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FirstPlace,
    ::testing::Values(FirstPlaceCase{{0, 0, 1920, 1080}, 294, 145, {1042, 100}},
                      // No room right of the palettes: below them all, covering nothing.
                      FirstPlaceCase{{0, 0, 1280, 1024}, 294, 145, {100, 681}},
                      // Every spot covers the main window; the bottom-left corner the least of it.
                      FirstPlaceCase{{0, 0, 1024, 768}, 486, 510, {0, 258}}));

TEST(WindowPlacement, AKeptPlaceStandsOnlyWhollyOnOneWorkArea) {
    const std::vector<ScreenRect> workAreas{{-1920, 0, 0, 1080}, {0, 0, 1280, 984}, {1280, 0, 2560, 1024}};
    EXPECT_TRUE(FitsOnAScreen(ScreenRect{-500, 100, -238, 381}, workAreas));
    EXPECT_TRUE(FitsOnAScreen(ScreenRect{2298, 743, 2560, 1024}, workAreas));   // the right one's corner
    EXPECT_FALSE(FitsOnAScreen(ScreenRect{1200, 100, 1462, 381}, workAreas));   // across two
    EXPECT_FALSE(FitsOnAScreen(ScreenRect{3000, 100, 3262, 381}, workAreas));   // where a monitor was
}

TEST(OverviewCaption, NamesTheCellUnderThePointerAndItsThreeChipIds) {
    MapModel map;
    ASSERT_TRUE(map.ResizeMap(1200, 800));  // 30 x 20
    const size_t cell = 5 * 30 + 12;
    map.Layer(1)[cell] = MapCell{2, 0, 0};
    map.Layer(2)[cell] = MapCell{35, 80, 160};
    map.Layer(0)[cell + 1] = MapCell{4000000000u, 0, 0};
    const std::string title = texts::kOverviewTitle;
    // View at (3, 2): the point (370, 130) lies in view column 9, row 3.
    EXPECT_EQ(OverviewCaption(map, 3, 2, true, 370, 130), title + " (12, 5) 0:0 1:2 2:35");
    EXPECT_EQ(OverviewCaption(map, 3, 2, true, 419, 159), title + " (13, 5) 0:4000000000 1:0 2:0");
    EXPECT_EQ(OverviewCaption(map, 3, 2, false, 370, 130), title);
    EXPECT_EQ(OverviewCaption(map, 3, 2, true, 640, 130), title);  // right of the view
    EXPECT_EQ(OverviewCaption(map, 3, 2, true, -1, 130), title);
    ASSERT_TRUE(map.ResizeMap(80, 40));  // smaller than the view
    EXPECT_EQ(OverviewCaption(map, 0, 0, true, 100, 10), title);
    EXPECT_EQ(OverviewCaption(map, 0, 0, true, 79, 39), title + " (1, 0) 0:0 1:0 2:0");
}
