// Painting and picking cells with the mouse in the real main window.
#include <gtest/gtest.h>

#include <string>

#include "EditorFixture.h"
#include "PaletteWindow.h"

namespace {

std::string redraws;
void RecordRedraw(const char* what) { redraws += std::string(what) + " "; }

const MapCell& Cell(int layer, uint32_t index) { return mainWindow->map.Layer(layer)[index]; }

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
    redrawTrace = RecordRedraw;
    ClickAt(mainWindow->handle, 100, 100, WM_LBUTTONDOWN);
    const std::string afterLeft = redraws;
    redraws.clear();
    ClickAt(mainWindow->handle, 100, 100, WM_RBUTTONDOWN);
    const std::string afterRight = redraws;
    redrawTrace = nullptr;
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
