// Painting and picking cells with the mouse in the real main window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorFixture.h"
#include "PaletteWindow.h"

namespace {

std::string redraws;
void RecordRedraw(const char* what) { redraws += std::string(what) + " "; }

const MapCell& Cell(int layer, uint32_t index) { return mainWindow->map.Layer(layer)[index]; }

// A drag through the main window's procedure: the button goes down at the first client
// point, the pointer moves through the others (several moves inside each cell, and out of
// the view), the button comes up at the last. Returns the redraws it caused.
std::string Drag(UINT down, UINT up, WPARAM held, const std::vector<POINT>& points) {
    redraws.clear();
    editor->redrawTrace = RecordRedraw;
    HWND window = mainWindow->handle;
    POINT screen = points.front();
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(window, down, held, MAKELPARAM(points.front().x, points.front().y));
    for (const POINT& p : points) SendMessageA(window, WM_MOUSEMOVE, held, MAKELPARAM(p.x, p.y));
    SendMessageA(window, up, 0, MAKELPARAM(points.back().x, points.back().y));
    editor->redrawTrace = nullptr;
    return redraws;
}

// Cells 0 to 3 of row 1, each visited by several moves, with a trip out of the view between.
const std::vector<POINT> kAcrossFourCells = {
    {5, 45}, {20, 50}, {39, 79}, {40, 45}, {60, 60}, {700, 60}, {-20, 60}, {79, 45},
    {80, 45}, {119, 41}, {120, 41}, {150, 50}};

}  // namespace

TEST_F(EditorTest, LeftClickAfterStartUpPutsTheFirstLargeChipIntoLayerTwoOnly) {
    ClickAt(mainWindow->handle, 85, 41);  // column 2, row 1
    const uint32_t index = 1 * 16 + 2;
    EXPECT_EQ(Cell(2, index), (MapCell{1, 0, 0}));
    EXPECT_EQ(Cell(1, index).chipId, 0u);
    EXPECT_EQ(Cell(0, index).chipId, 0u);
    EXPECT_EQ(Cell(2, index - 1).chipId, 0u);
}

TEST_F(EditorTest, PalettesAreRedrawnBeforeTheViewAfterALeftClickAndAfterItForARightClick) {
    redraws.clear();
    editor->redrawTrace = RecordRedraw;
    ClickAt(mainWindow->handle, 100, 100, WM_LBUTTONDOWN);
    const std::string afterLeft = redraws;
    redraws.clear();
    ClickAt(mainWindow->handle, 100, 100, WM_RBUTTONDOWN);
    const std::string afterRight = redraws;
    editor->redrawTrace = nullptr;
    EXPECT_EQ(afterLeft, "small large view ");
    EXPECT_EQ(afterRight, "view small large ");
}

TEST_F(EditorTest, RightClickTakesTheTopChipBackAndMovesThePaletteFrame) {
    ClickAt(smallPalette->handle, 65, 45);  // cell (3, 2): chip 100 of layer 0
    ClickAt(mainWindow->handle, 10, 10);
    ClickAt(largePalette->handle, 85, 45);  // cell (2, 1): chip 81 of layer 2
    ClickAt(mainWindow->handle, 10, 10);
    ASSERT_EQ(Cell(0, 0).chipId, 100u);
    ASSERT_EQ(Cell(2, 0).chipId, 81u);

    ClickAt(mainWindow->handle, 10, 10, WM_RBUTTONDOWN);
    EXPECT_EQ(CurrentChip, (ChipEntry{100, 120, 80, 0}));
    EXPECT_TRUE(smallPalette->model.active);
    EXPECT_FALSE(largePalette->model.active);
    EXPECT_EQ(smallPalette->model.highlightX, 60);
    EXPECT_EQ(smallPalette->model.highlightY, 40);
}

TEST_F(EditorTest, RightClickOnAnEmptyCellSelectsTheEraserWhichEmptiesAllLayers) {
    ClickAt(smallPalette->handle, 65, 45);  // chip 100 of layer 0
    ClickAt(mainWindow->handle, 10, 10);
    ClickAt(largePalette->handle, 5, 5);  // chip 1 of layer 2
    ClickAt(mainWindow->handle, 10, 10);
    const int32_t highlightX = largePalette->model.highlightX;

    ClickAt(mainWindow->handle, 300, 300, WM_RBUTTONDOWN);  // an empty cell
    EXPECT_EQ(CurrentChip, (ChipEntry{0, 0, 0, 3}));
    EXPECT_TRUE(largePalette->model.active);
    EXPECT_EQ(largePalette->model.highlightX, highlightX);

    ClickAt(mainWindow->handle, 10, 10);
    EXPECT_EQ(Cell(0, 0).chipId, 0u);
    EXPECT_EQ(Cell(1, 0).chipId, 0u);
    EXPECT_EQ(Cell(2, 0).chipId, 0u);
}

// The pointer is sampled three cells apart along row 1, as in a quick drag: every cell between
// is painted, each move that painted redraws the palettes and the view, and the release ends
// the drag.
TEST_F(EditorTest, FastDragPaintsEveryCellBetweenThePointerSamples) {
    CurrentChip = ChipEntry{100, 120, 80, 0};
    const std::string seen = Drag(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON,
                                  {{20, 60}, {140, 60}, {150, 70}, {260, 60}, {380, 60}});
    for (uint32_t column = 0; column < 16; ++column) {
        EXPECT_EQ(Cell(0, 16 + column).chipId, column <= 9 ? 100u : 0u) << column;
        EXPECT_EQ(Cell(0, column).chipId, 0u) << column;  // the row above stays empty
    }
    // The press, then the three moves into new cells; the move within cell 3 paints nothing.
    EXPECT_EQ(seen, "small large view small large view small large view small large view ");
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageA(mainWindow->handle, WM_MOUSEMOVE, 0, MAKELPARAM(300, 300));
    EXPECT_EQ(Cell(0, 7 * 16 + 7).chipId, 0u);
    // The whole drag is one step.
    PressKey('Z', true);
    for (uint32_t column = 0; column < 16; ++column) EXPECT_EQ(Cell(0, 16 + column).chipId, 0u);
}

// The large chip selected at start-up, dragged along a row, tiles on every second cell from the
// press instead of overlapping in every cell.
TEST_F(EditorTest, LargeChipsDraggedAlongARowTileFromThePress) {
    Drag(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, {{5, 45}, {60, 60}, {130, 45}, {230, 50}});
    for (uint32_t column = 0; column < 16; ++column)
        EXPECT_EQ(Cell(2, 16 + column).chipId, column <= 5 && column % 2 == 0 ? 1u : 0u) << column;
}

// The eraser empties all three layers of every cell it passes, and a large chip that covers one
// of them from the row above goes too.
TEST_F(EditorTest, DragWithTheEraserEmptiesEveryCellAndTheLargeChipCoveringIt) {
    for (uint32_t i = 16; i < 48; ++i)
        for (int layer = 0; layer < 3; ++layer) SetCell(layer, i, MapCell{2, 0, 0});
    SetCell(2, 5, MapCell{3, 80, 0});  // covers cells 5 and 6 of row 1
    CurrentChip = ChipEntry{0, 0, 0, 3};
    Drag(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, {{5, 45}, {130, 45}, {239, 79}});
    for (uint32_t column = 0; column < 16; ++column)
        for (int layer = 0; layer < 3; ++layer)
            EXPECT_EQ(Cell(layer, 16 + column).chipId, column <= 5 ? 0u : 2u) << column;
    EXPECT_EQ(Cell(2, 5).chipId, 0u);
}

// A large chip is stored in its top-left cell; a right click on its lower-right quarter picks it.
TEST_F(EditorTest, RightClickOnTheLowerRightCellOfALargeChipPicksIt) {
    SetCell(2, 1 * 16 + 3, MapCell{35, 80, 160});  // column 3, row 1
    ClickAt(mainWindow->handle, 4 * 40 + 30, 2 * 40 + 30, WM_RBUTTONDOWN);  // column 4, row 2
    EXPECT_EQ(CurrentChip, (ChipEntry{35, 80, 160, 2}));
    EXPECT_TRUE(largePalette->model.active);
    EXPECT_EQ(largePalette->model.highlightX, 40);
    EXPECT_EQ(largePalette->model.highlightY, 80);
    // The eraser there takes the chip away, as a right click there would see it.
    CurrentChip = ChipEntry{0, 0, 0, 3};
    ClickAt(mainWindow->handle, 4 * 40 + 30, 2 * 40 + 30);
    EXPECT_EQ(Cell(2, 1 * 16 + 3).chipId, 0u);
}

TEST_F(EditorTest, RightDragPicksOnceAndPaintsNothing) {
    SetCell(0, 16, MapCell{3, 80, 0});
    const std::string seen = Drag(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, kAcrossFourCells);
    EXPECT_EQ(seen, "view small large ");
    EXPECT_EQ(CurrentChip, (ChipEntry{3, 80, 0, 0}));
    for (uint32_t column = 1; column < 4; ++column)
        for (int layer = 0; layer < 3; ++layer) EXPECT_EQ(Cell(layer, 16 + column).chipId, 0u);
}
