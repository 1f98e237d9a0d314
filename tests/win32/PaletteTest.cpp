// The two chip palettes: placement, picking with the mouse, the selection frame, hiding.
#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "core/ChipTable.h"
#include "PaletteProcs.h"
#include "PaletteWindow.h"
#include "render/core/PixelSurface.h"

namespace {

constexpr uint16_t kGreen = Rgb555(0, 255, 0);

SIZE ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

std::string ClickAndCapture(PaletteWindow* palette, int x, int y) {
    testing::internal::CaptureStdout();
    ClickAt(palette->handle, x, y);
    return testing::internal::GetCapturedStdout();
}

uint16_t WorkPixel(PaletteWindow* palette, int32_t x, int32_t y) {
    GdiFlush();
    return palette->workSurface->Pixel(x, y);
}

}  // namespace

TEST_F(EditorTest, BothPalettesStandBesideTheMainWindowWith256PixelClientAreas) {
    ASSERT_NE(smallPalette, nullptr);
    ASSERT_NE(largePalette, nullptr);
    RECT outer;
    GetWindowRect(smallPalette->handle, &outer);
    EXPECT_EQ(outer.left, 780);
    EXPECT_EQ(outer.top, 100);
    GetWindowRect(largePalette->handle, &outer);
    EXPECT_EQ(outer.left, 780);
    EXPECT_EQ(outer.top, 400);
    for (PaletteWindow* palette : {smallPalette, largePalette}) {
        const SIZE client = ClientSize(palette->handle);
        EXPECT_EQ(client.cx, 256);
        EXPECT_EQ(client.cy, 256);
        EXPECT_TRUE(IsWindowVisible(palette->handle));
    }
    EXPECT_EQ(smallPalette->model.EntryCount(), 144u);
    EXPECT_EQ(largePalette->model.EntryCount(), 36u);
    EXPECT_TRUE(largePalette->model.active);
    EXPECT_FALSE(smallPalette->model.active);
    EXPECT_EQ(CurrentChip, (ChipEntry{1, 0, 0, 2}));
}

TEST_F(EditorTest, ClickOnTheSmallPalettesFirstCellSelectsItsChip) {
    const std::string output = ClickAndCapture(smallPalette, 0, 0);
    EXPECT_EQ(CurrentChip, (ChipEntry{2, 0, 0, 1}));
    EXPECT_NE(output.find("data : 2 0 0 1"), std::string::npos) << output;
    EXPECT_TRUE(smallPalette->model.active);
    EXPECT_FALSE(largePalette->model.active);
    // Its frame is drawn; the large palette, now inactive, shows its sheet unframed.
    EXPECT_EQ(WorkPixel(smallPalette, 20, 0), kGreen);
    EXPECT_EQ(WorkPixel(largePalette, 40, 0), largePalette->chipSheet->Pixel(40, 0));
}

TEST_F(EditorTest, ClickOutsideTheGridChangesNothingAndPrintsNothing) {
    const std::string right = ClickAndCapture(smallPalette, 240, 10);
    const std::string below = ClickAndCapture(smallPalette, 10, 250);
    EXPECT_EQ(CurrentChip, (ChipEntry{1, 0, 0, 2}));
    EXPECT_EQ(right.find("data : "), std::string::npos) << right;
    EXPECT_EQ(below.find("data : "), std::string::npos) << below;
    EXPECT_FALSE(smallPalette->model.active);
    EXPECT_TRUE(largePalette->model.active);
}

TEST_F(EditorTest, LargePaletteClickSelectsAndFramesTheCell) {
    ClickAndCapture(smallPalette, 0, 0);  // make the small one active first
    const std::string output = ClickAndCapture(largePalette, 45, 85);
    EXPECT_EQ(CurrentChip, (ChipEntry{35, 80, 160, 2}));
    EXPECT_NE(output.find("data : 35 80 160 2"), std::string::npos) << output;
    EXPECT_TRUE(largePalette->model.active);
    EXPECT_FALSE(smallPalette->model.active);
    EXPECT_EQ(largePalette->model.highlightX, 40);
    EXPECT_EQ(largePalette->model.highlightY, 80);
    // The frame runs from (80, 160) to (160, 240) in the work surface.
    EXPECT_EQ(WorkPixel(largePalette, 120, 160), kGreen);  // top edge
    EXPECT_EQ(WorkPixel(largePalette, 80, 200), kGreen);   // left edge
    EXPECT_EQ(WorkPixel(largePalette, 160, 200), kGreen);  // right edge
    EXPECT_EQ(WorkPixel(largePalette, 120, 240), kGreen);  // bottom edge
    EXPECT_EQ(WorkPixel(largePalette, 120, 200), largePalette->chipSheet->Pixel(120, 200));
    EXPECT_NE(WorkPixel(largePalette, 110, 180), kGreen);
    // The small palette lost its frame.
    EXPECT_EQ(WorkPixel(smallPalette, 20, 0), smallPalette->chipSheet->Pixel(20, 0));
}

TEST_F(EditorTest, CloseBoxHidesAPaletteAndKeepsItsSelection) {
    ClickAndCapture(largePalette, 239, 0);
    EXPECT_EQ(CurrentChip, (ChipEntry{205, 400, 0, 2}));
    SendMessageA(largePalette->handle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(largePalette->handle));
    EXPECT_TRUE(IsWindow(largePalette->handle));
    EXPECT_EQ(CurrentChip, (ChipEntry{205, 400, 0, 2}));
    EXPECT_TRUE(largePalette->model.active);
    EXPECT_EQ(largePalette->model.highlightX, 200);
}

TEST_F(EditorTest, KeyColouredSheetPixelsStayBlackInTheWorkSurface) {
    smallPalette->Draw();
    const Texture& sheet = *smallPalette->chipSheet;
    int black = 0;
    for (int32_t y = 0; y < 512; y += 3)
        for (int32_t x = 0; x < 512; x += 3) {
            EXPECT_EQ(WorkPixel(smallPalette, x, y), sheet.Pixel(x, y));
            black += sheet.Pixel(x, y) == 0;
        }
    EXPECT_GT(black, 0);
}

TEST_F(EditorTest, SecondInitialisationIsRefusedAndKeepsTheFirst) {
    HWND before = smallPalette->handle;
    EXPECT_FALSE(smallPalette->CreateFromTable(LargeChipTable, 37, "again", 0, 0));
    EXPECT_FALSE(smallPalette->Create("again", 0, 0));
    EXPECT_EQ(smallPalette->handle, before);
    EXPECT_EQ(smallPalette->model.EntryCount(), 144u);
    EXPECT_EQ(smallPalette->model.Entries()[27], (ChipEntry{100, 120, 80, 0}));
}

TEST_F(EditorTest, ChipFileInitialiserReadsTheShippedFileLikeTheBuiltInTable) {
    PaletteWindow fromFile(instanceHandle, mainWindow->handle, SmallPaletteProc,
                           mainWindow->smallSheet, 20, "data/MapChip_S.txt");
    ASSERT_TRUE(fromFile.Create("from file", 10, 10));
    ASSERT_EQ(fromFile.model.EntryCount(), smallPalette->model.EntryCount());
    for (size_t i = 0; i < fromFile.model.EntryCount(); ++i)
        EXPECT_EQ(fromFile.model.Entries()[i], smallPalette->model.Entries()[i]) << i;
    DestroyWindow(fromFile.handle);
}

TEST_F(EditorTest, MissingChipFileGivesAPaletteThatShowsBlackAndPicksNothing) {
    PaletteWindow empty(instanceHandle, mainWindow->handle, SmallPaletteProc,
                        mainWindow->smallSheet, 20, "data/no-such-file.txt");
    ASSERT_TRUE(empty.Create("empty", 10, 10));
    EXPECT_TRUE(IsWindowVisible(empty.handle));
    EXPECT_EQ(empty.model.EntryCount(), 0u);
    EXPECT_EQ(empty.workSurface, nullptr);
    empty.Draw();
    EXPECT_FALSE(empty.Pick(POINT{5, 5}));
    EXPECT_EQ(CurrentChip, (ChipEntry{1, 0, 0, 2}));
    const ChipPosition found = empty.FindChip(0, 100);
    EXPECT_EQ(found.x, 0);
    EXPECT_EQ(found.y, 0);
    DestroyWindow(empty.handle);
}
