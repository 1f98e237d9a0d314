// The painted map view: grid, edge markers and scrolling, read from the back buffer.
#include <gtest/gtest.h>

#include "Commands.h"
#include "EditorFixture.h"
#include "TestFiles.h"
#include "render/core/PixelSurface.h"
#include "render/core/ViewOverlay.h"

namespace {

constexpr uint16_t kGreen = Rgb555(0, 255, 0);
constexpr uint16_t kRed = Rgb555(255, 0, 0);

uint16_t BackBufferPixel(int32_t x, int32_t y) {
    GdiFlush();
    return mainWindow->backBuffer->Pixel(x, y);
}

void Press(uint32_t key, int times) {
    for (int i = 0; i < times; ++i) HandleKey(key);
}

// Vertical grid lines at x = 40k and horizontal ones at y = 40k, sampled half-way between
// crossings so that no marker or other line is involved. The line at 640 (480) shows as the
// last column (row) of the buffer.
void ExpectGridLines(int32_t firstK, int32_t lastXK, int32_t lastYK) {
    for (int32_t k = firstK; k <= lastXK; ++k) {
        const int32_t x = k == 16 ? 639 : 40 * k;
        EXPECT_EQ(BackBufferPixel(x, 20), kGreen) << "vertical line " << k;
        EXPECT_EQ(BackBufferPixel(x, 460), kGreen) << "vertical line " << k;
    }
    for (int32_t k = firstK; k <= lastYK; ++k) {
        const int32_t y = k == 12 ? 479 : 40 * k;
        EXPECT_EQ(BackBufferPixel(20, y), kGreen) << "horizontal line " << k;
        EXPECT_EQ(BackBufferPixel(620, y), kGreen) << "horizontal line " << k;
    }
}

struct Markers {
    bool left, top, right, bottom;
};

Markers ReadMarkers() {
    return {BackBufferPixel(0, 200) == kRed, BackBufferPixel(300, 0) == kRed,
            BackBufferPixel(639, 200) == kRed, BackBufferPixel(300, 479) == kRed};
}

}  // namespace

TEST_F(EditorTest, SixteenByTwelveMapShowsGridAndAllFourMarkers) {
    mainWindow->Paint();
    ExpectGridLines(1, 15, 11);
    const Markers markers = ReadMarkers();
    EXPECT_TRUE(markers.left);
    EXPECT_TRUE(markers.top);
    EXPECT_TRUE(markers.right);
    EXPECT_TRUE(markers.bottom);
}

TEST_F(EditorTest, ArrowsCannotMoveTheViewOfAViewSizedMap) {
    Press(VK_RIGHT, 3);
    Press(VK_DOWN, 3);
    Press(VK_LEFT, 1);
    Press(VK_UP, 1);
    EXPECT_EQ(scrollX, 0);
    EXPECT_EQ(scrollY, 0);
}

TEST_F(EditorTest, SixtyBySixtyMapScrollsToItsFarCornerAndMarkersFollow) {
    ASSERT_TRUE(mainWindow->ResizeMap(2400, 2400));
    Markers markers = ReadMarkers();
    EXPECT_TRUE(markers.left && markers.top);
    EXPECT_FALSE(markers.right || markers.bottom);

    Press(VK_RIGHT, 10);
    Press(VK_DOWN, 10);
    EXPECT_EQ(scrollX, 10);
    EXPECT_EQ(scrollY, 10);
    // In the middle of the map no edge is touched: the grid shows at every line.
    markers = ReadMarkers();
    EXPECT_FALSE(markers.left || markers.top || markers.right || markers.bottom);
    ExpectGridLines(0, 16, 12);

    Press(VK_RIGHT, 50);
    Press(VK_DOWN, 50);
    EXPECT_EQ(scrollX, 44);
    EXPECT_EQ(scrollY, 48);
    markers = ReadMarkers();
    EXPECT_FALSE(markers.left || markers.top);
    EXPECT_TRUE(markers.right && markers.bottom);
    ExpectGridLines(1, 15, 11);

    Press(VK_LEFT, 60);
    EXPECT_EQ(scrollX, 0);
    markers = ReadMarkers();
    EXPECT_TRUE(markers.left && markers.bottom);
    EXPECT_FALSE(markers.right || markers.top);
}

TEST_F(EditorTest, PaintedViewShowsTheBackdropAndChipsUnderTheGrid) {
    // A first large chip in the top-left cell: its picture (the sheet's top-left 80 x 80)
    // covers the cell, apart from its transparent (black) pixels.
    MapCell* layer2 = mainWindow->map.Layer(2);
    layer2[0] = MapCell{1, 0, 0};
    mainWindow->Paint();
    const Texture& sheet = *mainWindow->largeSheet;
    int compared = 0;
    for (int32_t y = 5; y < 75; y += 7) {
        for (int32_t x = 5; x < 75; x += 7) {
            if (x % 40 < 3 || y % 40 < 3) continue;  // grid lines
            const uint16_t chip = sheet.Pixel(x, y);
            if (chip == 0) continue;
            EXPECT_EQ(BackBufferPixel(x, y), chip) << x << "," << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, 20);
    // A cell without chips shows the backdrop.
    EXPECT_EQ(BackBufferPixel(300, 300), mainWindow->backdrop->Pixel(300, 300));
}

// A map smaller than the view (only a file brings one): outside it the view is plain light
// grey, on the screen too, whatever was drawn there before; its own right and bottom edges
// carry the markers.
TEST_F(EditorTest, MapSmallerThanTheViewLeavesNothingStaleOutsideIt) {
    MapCell* layer0 = mainWindow->map.Layer(0);
    for (size_t i = 0; i < mainWindow->map.CellCount(); ++i) layer0[i] = MapCell{3, 80, 0};
    mainWindow->Paint();
    const std::string path = TempPath("picoran-2x1.txt");
    WriteBytes(path, "80 40\n5 6\n0 0\n1 2\n0 0\n");
    ASSERT_TRUE(mainWindow->LoadMap(path.c_str(), false));
    DeleteFileA(path.c_str());

    for (int32_t y = 0; y < 480; ++y) {
        for (int32_t x = 0; x < 640; ++x) {
            if (x < 80 && y < 40) continue;
            ASSERT_EQ(BackBufferPixel(x, y), kOutsideMapPixel) << x << "," << y;
        }
    }
    EXPECT_EQ(BackBufferPixel(79, 20), kRed);  // right edge at x = 80
    EXPECT_EQ(BackBufferPixel(78, 20), kRed);
    EXPECT_EQ(BackBufferPixel(60, 39), kRed);  // bottom edge at y = 40
    EXPECT_EQ(BackBufferPixel(0, 20), kRed);
    EXPECT_EQ(BackBufferPixel(40, 10), kGreen);

    // What the window shows: the whole view was copied, the outside in the window's grey.
    HDC windowDC = GetDC(mainWindow->handle);
    HDC copyDC = CreateCompatibleDC(windowDC);
    HBITMAP copy = CreateCompatibleBitmap(windowDC, 640, 480);
    HGDIOBJ previous = SelectObject(copyDC, copy);
    BitBlt(copyDC, 0, 0, 640, 480, windowDC, 0, 0, SRCCOPY);
    int stale = 0;
    for (int32_t y = 0; y < 480; y += 3)
        for (int32_t x = 0; x < 640; x += 3)
            if ((x >= 82 || y >= 42) && GetPixel(copyDC, x, y) != RGB(192, 192, 192)) ++stale;
    EXPECT_EQ(stale, 0);
    EXPECT_EQ(GetPixel(copyDC, 79, 20), RGB(255, 0, 0));
    SelectObject(copyDC, previous);
    DeleteObject(copy);
    DeleteDC(copyDC);
    ReleaseDC(mainWindow->handle, windowDC);
}
