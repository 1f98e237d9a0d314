// The view zoomed out through the real windows: the same clicks on the same cells paint, fill,
// select and paste the same file at 100 %, 50 % and 25 %, and the view at 25 % shows the
// core's composition of the cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorFixture.h"
#include "TestFiles.h"
#include "ViewCommands.h"
#include "render/core/MapView.h"
#include "resource.h"

namespace {

// The centre of a map cell in the view at the editor's zoom.
POINT ZoomedCentre(int column, int row) {
    const int32_t cell = editor->zoom.CellPixels();
    return POINT{(column - scrollX) * cell + cell / 2, (row - scrollY) * cell + cell / 2};
}

void Press(POINT p, WPARAM keys = MK_LBUTTON) {
    SendMessageA(mainWindow->handle, WM_LBUTTONDOWN, keys, MAKELPARAM(p.x, p.y));
}
void MoveTo(POINT p) { SendMessageA(mainWindow->handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
void Release(POINT p) {
    SendMessageA(mainWindow->handle, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    ShowChanges();
}
void Drag(POINT from, POINT to) {
    Press(from);
    MoveTo(to);
    Release(to);
}

class ZoomTest : public EditorTest {};

}  // namespace

TEST_F(ZoomTest, PaintFillSelectAndPasteWriteTheSameFileAtEveryZoom) {
    const std::string path = TempPath("picoran-zoom-" + std::to_string(GetCurrentProcessId()) + ".bin");
    std::string atFullSize;
    for (const int factor : {1, 2, 4}) {
        SCOPED_TRACE(factor);
        PressKey('N', true);
        ASSERT_TRUE(mainWindow->ResizeMap(1600, 1200));  // 40 x 30 cells
        ZoomView(ViewZoom{factor}, ViewMiddle());
        MoveView(ViewOffsets{0, 0});
        ShowChanges();
        ASSERT_EQ(editor->zoom.factor, factor);

        CurrentChip = ChipEntry{35, 80, 160, 2};  // a large chip, with the pen
        Drag(ZoomedCentre(2, 3), ZoomedCentre(6, 3));
        PressKey('P');
        CurrentChip = ChipEntry{100, 120, 80, 0};
        Drag(ZoomedCentre(5, 5), ZoomedCentre(12, 9));
        PressKey('F');
        CurrentChip = ChipEntry{2, 0, 0, 1};
        Press(ZoomedCentre(14, 1));
        Release(ZoomedCentre(14, 1));
        PressKey('R');
        Drag(ZoomedCentre(4, 2), ZoomedCentre(8, 7));
        PressKey('C', true);
        PressKey('V', true);
        MoveTo(ZoomedCentre(1, 8));
        Press(ZoomedCentre(1, 8));
        Release(ZoomedCentre(1, 8));
        PressKey(VK_ESCAPE);
        // A right click picks what the view shows there.
        SendMessageA(mainWindow->handle, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(ZoomedCentre(7, 6).x, ZoomedCentre(7, 6).y));
        EXPECT_EQ(CurrentChip.chipId, 100u);
        PressKey('B');

        const std::string saved = SaveAndRead(path);
        if (factor == 1) atFullSize = saved;
        EXPECT_TRUE(saved == atFullSize) << "the file differs from the one made at 100 %";
    }
    DeleteFileA(path.c_str());
}

TEST_F(ZoomTest, TheViewAtAQuarterShowsTheCoresCompositionAndTheKeysStepThroughTheZooms) {
    RECT before, after;
    GetClientRect(mainWindow->handle, &before);
    ASSERT_TRUE(mainWindow->ResizeMap(2400, 2400));
    for (uint32_t i = 0; i < 3600; i += 7) SetCell(i % 3 == 0 ? 2 : 1, i, MapCell{1 + i % 5, static_cast<int32_t>(i % 6) * 80, 0});
    PressKey(VK_OEM_MINUS, true);
    EXPECT_EQ(editor->zoom.factor, 2);
    PressKey(VK_SUBTRACT, true);
    PressKey(VK_SUBTRACT, true);  // stays at 25 %
    ASSERT_EQ(editor->zoom.factor, 4);
    for (int i = 0; i < 30; ++i) PressKey(VK_DOWN);  // the arrows move by cells, inside the map
    EXPECT_EQ(scrollY, 60 - 48);
    ShowChanges();

    MemorySurface expected(kViewWidth, kViewHeight);
    ComposeMapView(expected, editor->zoomedSheets.Backdrop(), editor->zoomedSheets.Small(),
                   editor->zoomedSheets.Large(), mainWindow->map, scrollX, scrollY, LayerVisibility{}, editor->zoom);
    GdiFlush();
    int compared = 0, differing = 0;
    for (int32_t y = 3; y < kViewHeight - 3; ++y)
        for (int32_t x = 3; x < 600 - 3; ++x) {  // 60 columns of 10 pixels; the grid's lines left out
            if (x % 10 == 0 || y % 10 == 0) continue;
            ++compared;
            differing += mainWindow->backBuffer->Pixel(x, y) != expected.Pixel(x, y);
        }
    EXPECT_GT(compared, 200000);
    EXPECT_EQ(differing, 0);

    PressKey('0', true);
    EXPECT_EQ(editor->zoom.factor, 1);
    PressKey(VK_OEM_PLUS, true);  // already at 100 %
    EXPECT_EQ(editor->zoom.factor, 1);
    GetClientRect(mainWindow->handle, &after);
    EXPECT_EQ(after.right, before.right);  // the window keeps its size
    EXPECT_EQ(after.bottom, before.bottom);
}

// A rectangle dragged past the view's right edge: the view follows a cell at a time while the
// pointer stays beyond it, and the release fills exactly the cells the outline showed.
TEST_F(ZoomTest, ARectangleDraggedPastTheEdgeScrollsTheViewAndFillsWhatTheOutlineShowed) {
    ASSERT_TRUE(mainWindow->ResizeMap(1600, 1200));  // 40 x 30 cells
    PressKey('P');
    CurrentChip = ChipEntry{100, 120, 80, 0};
    Press(ZoomedCentre(10, 5));
    MoveTo(POINT{kViewWidth + 30, 200});
    for (int i = 0; i < 40 && scrollX < 5; ++i) {
        Sleep(30);
        PumpMessages();
    }
    EXPECT_GE(scrollX, 5);
    const std::vector<CellRect> outlines = editor->tools.Outlines(mainWindow->CellCounts());
    ASSERT_EQ(outlines.size(), 1u);
    const CellRect outlined = outlines.front();
    EXPECT_EQ(outlined.right, scrollX + kViewColumns - 1);  // the view's last column
    Release(POINT{kViewWidth + 30, 200});
    EXPECT_EQ(scrollX, outlined.right - kViewColumns + 1);  // it stopped with the release
    for (uint32_t row = 0; row < 30; ++row)
        for (uint32_t column = 0; column < 40; ++column) {
            const bool inside = Contains(outlined, CellPoint{static_cast<int32_t>(column), static_cast<int32_t>(row)});
            ASSERT_EQ(MapCellAt(0, column, row).chipId, inside ? 100u : 0u) << column << "," << row;
        }
}
