// The layers panel, the palettes' tooltips and the start tool through the real windows.
#include <gtest/gtest.h>

#include <commctrl.h>

#include "EditorFixture.h"
#include "LayersWindow.h"
#include "PaletteWindow.h"
#include "dialogs/CursorWindow.h"
#include "resource.h"

namespace {

// A layer's eye or lock in the panel, where it draws them.
void ClickPanel(int layer, bool lock) {
    SendMessageA(editor->layersWindow->handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(lock ? 54 : 18, 18 * layer + 27));
}

std::wstring TipText(const PaletteWindow* palette, int x, int y) {
    SendMessageA(palette->handle, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    wchar_t text[80] = {};
    TOOLINFOW tool{sizeof(TOOLINFOW), 0, palette->handle, reinterpret_cast<UINT_PTR>(palette->handle)};
    tool.lpszText = text;
    SendMessageW(palette->tooltip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    return text;
}

class LayersPanelTest : public EditorTest {};

}  // namespace

TEST_F(LayersPanelTest, ALockedLayerTakesNoPaintAndTheEyeFollowsTheMenu) {
    PressKey(VK_F5);
    RECT panel, main, both;
    GetWindowRect(editor->layersWindow->handle, &panel);
    GetWindowRect(mainWindow->handle, &main);
    EXPECT_FALSE(IntersectRect(&both, &panel, &main));
    ClickPanel(2, true);
    const size_t steps = mainWindow->stage.UndoableSteps();
    CurrentChip = ChipEntry{35, 80, 160, 2};
    ClickAt(mainWindow->handle, 60, 60);
    EXPECT_EQ(MapCellAt(2, 1, 1).chipId, 0u);
    EXPECT_EQ(mainWindow->stage.UndoableSteps(), steps);
    CurrentChip = ChipEntry{2, 0, 0, 1};  // the layer beside it takes it
    ClickAt(mainWindow->handle, 60, 60);
    EXPECT_EQ(MapCellAt(1, 1, 1).chipId, 2u);
    EXPECT_EQ(editor->layersWindow->Counts().cells[1], 1u);  // followed from the write
    PressKey('Z', true);
    EXPECT_EQ(editor->layersWindow->Counts().cells[1], 0u);  // counted anew
    ClickPanel(0, false);
    ShowChanges();
    EXPECT_FALSE(MenuChecked(ID_VIEW_LAYER0));
    PressKey(VK_F5);
    EXPECT_FALSE(Visible(editor->layersWindow));
}

TEST_F(LayersPanelTest, APaletteTipTellsTheChipsCodeAndLayer) {
    EXPECT_EQ(TipText(largePalette, 45, 85), L"2035 \u30ec\u30a4\u30e4\u30fc2 (\u5927\u30c1\u30c3\u30d7)");
    EXPECT_EQ(TipText(smallPalette, 0, 0), L"1002 \u30ec\u30a4\u30e4\u30fc1");
    EXPECT_EQ(TipText(smallPalette, 250, 10), L"");  // beyond the grid
}

TEST_F(LayersPanelTest, TheStartToolSetsTheStartUndoesAndRefusesBeyondTheBounds) {
    ASSERT_TRUE(mainWindow->ResizeMap(1600, 1200));
    SetViewOffsets(1, 0);
    PressKey('I');
    PressKey(VK_F4);
    ClickAt(mainWindow->handle, 100, 50);
    ShowChanges();
    EXPECT_EQ(BoxText(cursorWindow, IDC_CURSOR_X), "140");
    EXPECT_FALSE(Settings().startUnspecified || cursorWindow->IsUnspecified());
    PressKey('Z', true);
    EXPECT_EQ(BoxText(cursorWindow, IDC_CURSOR_X), "320");
    EXPECT_TRUE(Settings().startUnspecified && cursorWindow->IsUnspecified());
    SetViewOffsets(2, 0);
    ClickAt(mainWindow->handle, 600, 50);  // x 680: beyond
    EXPECT_TRUE(Settings().startUnspecified && editor->layersNote.startRefused);
}
