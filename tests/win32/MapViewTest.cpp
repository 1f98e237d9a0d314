// The painted map view: what GDI draws against the shared geometry, and scrolling, read
// from the back buffer.
#include <gtest/gtest.h>

#include "Commands.h"
#include "EditorFixture.h"
#include "TestFiles.h"
#include "dialogs/CursorWindow.h"
#include "render/core/MapView.h"
#include "render/core/PixelSurface.h"
#include "render/core/ViewGeometry.h"
#include "render/core/ViewMarks.h"
#include "render/core/ViewOverlay.h"

namespace {

constexpr uint16_t kRed = Rgb555(255, 0, 0);

uint16_t BackBufferPixel(int32_t x, int32_t y) {
    GdiFlush();
    return mainWindow->backBuffer->Pixel(x, y);
}

void Press(uint32_t key, int times) {
    for (int i = 0; i < times; ++i) HandleKey(key);
}

// What GDI drew into the back buffer is what the shared geometry gives: the composed cells,
// every grid and marker segment stroked by the core's rule, the start marker where a start
// position is specified, the outside of the map filled.
void ExpectPaintedAsTheSharedGeometry() {
    mainWindow->Paint();
    MemorySurface expected(kViewWidth, kViewHeight);
    ComposeMapView(expected, *mainWindow->backdrop, *mainWindow->smallSheet, *mainWindow->largeSheet,
                   mainWindow->map, scrollX, scrollY);
    const ViewOverlay overlay = ComposeViewOverlay(mainWindow->CellCounts(), scrollX, scrollY);
    for (size_t i = 0; i < overlay.count; ++i) StrokeSegment(expected, overlay.segments[i]);
    if (!Settings().startUnspecified)
        DrawStartMarker(expected, ViewStartMarker(Settings().startX, Settings().startY, scrollX, scrollY));
    FillOutsideMapArea(expected, overlay.area);
    int differing = 0;
    for (int32_t y = 0; y < kViewHeight; ++y) {
        for (int32_t x = 0; x < kViewWidth; ++x) {
            if (BackBufferPixel(x, y) == expected.Pixel(x, y)) continue;
            if (differing++ == 0)
                ADD_FAILURE() << "first difference at " << x << "," << y << ": GDI "
                              << BackBufferPixel(x, y) << ", expected " << expected.Pixel(x, y);
        }
    }
    EXPECT_EQ(differing, 0) << "scrolled to " << scrollX << "," << scrollY;
}

}  // namespace

TEST_F(EditorTest, SixteenByTwelveMapShowsGridAndAllFourMarkers) {
    SetCell(2, 17, MapCell{1, 0, 0});
    ExpectPaintedAsTheSharedGeometry();
    EXPECT_EQ(BackBufferPixel(639, 200), kRed);  // the right marker at x = 640
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
    ExpectPaintedAsTheSharedGeometry();

    Press(VK_RIGHT, 10);
    Press(VK_DOWN, 10);
    EXPECT_EQ(scrollX, 10);
    EXPECT_EQ(scrollY, 10);
    ExpectPaintedAsTheSharedGeometry();

    Press(VK_RIGHT, 50);
    Press(VK_DOWN, 50);
    EXPECT_EQ(scrollX, 44);
    EXPECT_EQ(scrollY, 48);
    ExpectPaintedAsTheSharedGeometry();

    Press(VK_LEFT, 60);
    EXPECT_EQ(scrollX, 0);
    ExpectPaintedAsTheSharedGeometry();
}

TEST_F(EditorTest, PaintedViewShowsTheBackdropAndChipsUnderTheGrid) {
    // A first large chip in the top-left cell: its picture (the sheet's top-left 80 x 80)
    // covers the cell, apart from its transparent (black) pixels.
    SetCell(2, 0, MapCell{1, 0, 0});
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
    for (uint32_t i = 0; i < mainWindow->map.CellCount(); ++i) SetCell(0, i, MapCell{3, 80, 0});
    mainWindow->Paint();
    const std::string path = TempPath("picoran-2x1.txt");
    WriteBytes(path, "80 40\n5 6\n0 0\n1 2\n0 0\n");
    ASSERT_TRUE(mainWindow->LoadMap(path.c_str(), false));
    DeleteFileA(path.c_str());

    ExpectPaintedAsTheSharedGeometry();
    EXPECT_EQ(BackBufferPixel(300, 300), kOutsideMapPixel);
    EXPECT_EQ(BackBufferPixel(79, 20), kRed);  // right edge at x = 80
    EXPECT_EQ(BackBufferPixel(60, 39), kRed);  // bottom edge at y = 40

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
