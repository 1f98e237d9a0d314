// The ツール menu's tools through the real windows: chosen by key from every window and by the
// menu, the rectangle and the bucket fill by mouse, each one undo step, the outline while a
// rectangle is dragged, the selection and Escape, the pointer's shapes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "EditorFixture.h"
#include "KeyInput.h"
#include "MessageBoxWatcher.h"
#include "OverviewWindow.h"
#include "PaletteWindow.h"
#include "ToolCursors.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/DialogControls.h"
#include "dialogs/MessageWindow.h"
#include "map/CurrentFile.h"
#include "map/MapTools.h"
#include "render/core/PixelSurface.h"
#include "render/core/ToolOutline.h"
#include "resource.h"

namespace {

// The left button pressed at the first client point, moved through the others, released at
// the last: the cursor is where the program reads it at the press.
void DragOnMap(const std::vector<POINT>& points, bool release = true) {
    HWND window = mainWindow->handle;
    POINT screen = points.front();
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(points.front().x, points.front().y));
    for (const POINT& p : points) SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    if (release) SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(points.back().x, points.back().y));
}

// The centre of a view cell, in client pixels.
const uint16_t kOutlinePixel = Rgb555(kToolOutlineRed, kToolOutlineGreen, kToolOutlineBlue);

bool OutlineShowsAt(int32_t x, int32_t y) { return mainWindow->backBuffer->Pixel(x, y) == kOutlinePixel; }

class ToolsTest : public EditorTest {};

}  // namespace

// Each letter chooses its tool from the main window, a palette, the overview and a dialog's
// button, and moves the menu's mark; in a text box it is only typed. Ctrl with the letter, and
// choosing a tool at all, change nothing in the stage.
TEST_F(ToolsTest, LettersChooseTheToolFromEveryWindowButNotFromATextBox) {
    EXPECT_EQ(ActiveTool(), UINT{ID_TOOL_PEN});
    EXPECT_TRUE(MenuChecked(ID_TOOL_PEN));
    const struct {
        WPARAM key;
        UINT id;
    } letters[] = {{'P', ID_TOOL_RECTANGLE}, {'F', ID_TOOL_FILL}, {'R', ID_TOOL_SELECTION}, {'B', ID_TOOL_PEN}};
    PressKey(VK_F6);  // the overview
    for (HWND window : {mainWindow->handle, smallPalette->handle, largePalette->handle, editor->overview->handle}) {
        for (const auto& letter : letters) {
            SendMessageA(window, WM_KEYDOWN, letter.key, 0);
            EXPECT_EQ(ActiveTool(), letter.id) << static_cast<char>(letter.key);
            for (const ToolRow& row : ToolRows()) EXPECT_EQ(MenuChecked(row.command), row.command == letter.id);
        }
    }
    SetModifiers(true, false);
    SendMessageA(mainWindow->handle, WM_KEYDOWN, 'P', 0);
    SetModifiers(false, false);
    EXPECT_EQ(ActiveTool(), UINT{ID_TOOL_PEN});

    // A dialog's button passes the letter on; its text box types it.
    ShowSettingsDialog(cursorWindow, IDC_CURSOR_X);
    SetFocus(GetDlgItem(cursorWindow->handle, IDC_CURSOR_OK));
    Press('F');
    EXPECT_EQ(ActiveTool(), UINT{ID_TOOL_FILL});
    ShowSettingsDialog(messageWindow, IDC_MESSAGE_TEXT);
    SetDlgItemTextA(messageWindow->handle, IDC_MESSAGE_TEXT, "");
    Press('R');
    PumpMessages();
    EXPECT_EQ(ActiveTool(), UINT{ID_TOOL_FILL});
    char box[16] = {};
    GetDlgItemTextA(messageWindow->handle, IDC_MESSAGE_TEXT, box, sizeof box);
    EXPECT_EQ(std::string(box), "r");

    SendMessageA(mainWindow->handle, WM_COMMAND, ID_TOOL_SELECTION, 0);
    EXPECT_EQ(ActiveTool(), UINT{ID_TOOL_SELECTION});
    EXPECT_FALSE(mainWindow->stage.CanUndo());
    EXPECT_FALSE(mainWindow->stage.IsModified());
}

// A rectangle of small chips and one of large chips, each shown as an outline while dragged,
// written at the release as one step that undo takes back to the very bytes saved before.
TEST_F(ToolsTest, RectangleFillsAtTheReleaseAsOneStep) {
    const std::string path = TempPath("picoran-rectangle-" + std::to_string(GetCurrentProcessId()) + ".bin");
    PressKey('P');
    CurrentChip = ChipEntry{100, 120, 80, 0};
    const std::string empty = SaveAndRead(path);
    DragOnMap({CellCentre(5, 4), CellCentre(3, 3), CellCentre(2, 2), CellCentre(1, 2)}, false);  // from (5, 4) to (1, 2), held
    EXPECT_EQ(MapCellAt(0, 1, 2).chipId, 0u);  // nothing written before the release
    EXPECT_TRUE(OutlineShowsAt(40, 100));   // left side of columns 1 to 5, rows 2 to 4
    EXPECT_TRUE(OutlineShowsAt(240, 100));  // right side
    EXPECT_TRUE(OutlineShowsAt(100, 200));  // bottom
    EXPECT_FALSE(OutlineShowsAt(40, 60));   // not beside row 1
    SendMessageA(mainWindow->handle, WM_LBUTTONUP, 0, 0);
    EXPECT_FALSE(OutlineShowsAt(40, 100));
    for (uint32_t row = 0; row < 12; ++row)
        for (uint32_t column = 0; column < 16; ++column)
            EXPECT_EQ(MapCellAt(0, column, row).chipId,
                      column >= 1 && column <= 5 && row >= 2 && row <= 4 ? 100u : 0u)
                << column << "," << row;
    const std::string small = SaveAndRead(path);

    // Large chips from the cell pressed, every second column and row, up and left of it too.
    CurrentChip = ChipEntry{35, 80, 160, 2};
    DragOnMap({CellCentre(10, 8), CellCentre(6, 5)});
    for (uint32_t row = 0; row < 12; ++row)
        for (uint32_t column = 0; column < 16; ++column) {
            const bool onStride = column >= 6 && column <= 10 && row >= 5 && row <= 8 &&
                                  column % 2 == 0 && row % 2 == 0;
            EXPECT_EQ(MapCellAt(2, column, row).chipId, onStride ? 35u : 0u) << column << "," << row;
        }
    PressKey('Z', true);
    EXPECT_EQ(SaveAndRead(path), small);
    PressKey('Z', true);
    EXPECT_EQ(SaveAndRead(path), empty);
    EXPECT_FALSE(mainWindow->stage.CanUndo());
    DeleteFileA(path.c_str());
}

// A click fills the connected region of the chip clicked; the eraser empties a region alike.
// The release of a drag that the mouse's capture lost writes nothing.
TEST_F(ToolsTest, BucketFillByClickAndByKeyIsOneStep) {
    const std::string path = TempPath("picoran-fill-" + std::to_string(GetCurrentProcessId()) + ".bin");
    for (uint32_t row = 0; row < 12; ++row) SetCell(1, row * 16 + 8, MapCell{4, 40, 0});  // a wall
    const std::string walled = SaveAndRead(path);
    SendMessageA(largePalette->handle, WM_KEYDOWN, 'F', 0);
    CurrentChip = ChipEntry{2, 0, 0, 1};
    ClickAt(mainWindow->handle, CellCentre(3, 5).x, CellCentre(3, 5).y);
    for (uint32_t row = 0; row < 12; ++row)
        for (uint32_t column = 0; column < 16; ++column)
            EXPECT_EQ(MapCellAt(1, column, row).chipId, column < 8 ? 2u : column == 8 ? 4u : 0u)
                << column << "," << row;
    PressKey('Z', true);
    EXPECT_EQ(SaveAndRead(path), walled);

    CurrentChip = ChipEntry{0, 0, 0, 3};
    ClickAt(mainWindow->handle, CellCentre(8, 0).x, CellCentre(8, 0).y);  // the wall is one region for the eraser
    for (uint32_t row = 0; row < 12; ++row) EXPECT_EQ(MapCellAt(1, 8, row).chipId, 0u);

    PressKey('P');
    CurrentChip = ChipEntry{2, 0, 0, 1};
    DragOnMap({CellCentre(0, 0), CellCentre(3, 3)}, false);
    SendMessageA(mainWindow->handle, WM_CAPTURECHANGED, 0, 0);
    SendMessageA(mainWindow->handle, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(MapCellAt(1, 0, 0).chipId, 0u);
    DeleteFileA(path.c_str());
}

// Nothing lands in a hidden layer, whichever tool writes.
TEST_F(ToolsTest, FillsLeaveHiddenLayersAlone) {
    PressKey('2', true);  // layer 1 hidden
    CurrentChip = ChipEntry{2, 0, 0, 1};
    PressKey('P');
    DragOnMap({CellCentre(0, 0), CellCentre(2, 2)});
    PressKey('F');
    ClickAt(mainWindow->handle, CellCentre(5, 5).x, CellCentre(5, 5).y);
    EXPECT_EQ(MapCellAt(1, 0, 0).chipId, 0u);
    EXPECT_EQ(MapCellAt(1, 5, 5).chipId, 0u);
    EXPECT_FALSE(mainWindow->stage.CanUndo());
}

// The selection: dragged, it shows its outline and stays; Escape clears it first and only then
// closes the program, asking first when the map is modified.
TEST_F(ToolsTest, EscapeClearsTheSelectionThenCloses) {
    ClickAt(mainWindow->handle, CellCentre(0, 0).x, CellCentre(0, 0).y);  // a change, so closing asks
    PressKey('R');
    DragOnMap({CellCentre(2, 3), CellCentre(4, 5)});
    ASSERT_TRUE(editor->tools.HasSelection());
    EXPECT_EQ(editor->tools.Selection(), (CellRect{2, 3, 4, 5}));
    EXPECT_TRUE(OutlineShowsAt(80, 150));
    HMENU menu = GetMenu(mainWindow->handle);
    EXPECT_FALSE(GetMenuState(menu, ID_EDIT_COPY, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, ID_EDIT_DELETE, MF_BYCOMMAND) & MF_GRAYED);

    MessageBoxWatcher watcher(IDCANCEL);
    SendMessageA(smallPalette->handle, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
    EXPECT_FALSE(editor->tools.HasSelection());
    EXPECT_FALSE(OutlineShowsAt(80, 150));
    EXPECT_TRUE(GetMenuState(menu, ID_EDIT_COPY, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(watcher.Boxes().empty());
    ASSERT_TRUE(IsWindow(mainWindow->handle));

    SendMessageA(mainWindow->handle, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
    EXPECT_EQ(watcher.Boxes().size(), 1u);  // asked, and Cancel keeps the program
    EXPECT_TRUE(IsWindow(mainWindow->handle));
}

// A selection dragged wholly outside the map selects nothing; another tool, New and a smaller
// map clear it or keep its part inside.
TEST_F(ToolsTest, TheSelectionKeepsToTheMap) {
    ASSERT_TRUE(mainWindow->ResizeMap(400, 320));  // 10 x 8 cells: the view reaches past it
    PressKey('R');
    DragOnMap({CellCentre(8, 6), CellCentre(13, 10)});
    EXPECT_EQ(editor->tools.Selection(), (CellRect{8, 6, 9, 7}));
    DragOnMap({CellCentre(11, 9), CellCentre(14, 10)});
    EXPECT_FALSE(editor->tools.HasSelection());
    DragOnMap({CellCentre(1, 1), CellCentre(9, 7)});
    ASSERT_TRUE(mainWindow->ResizeMap(240, 200));
    EXPECT_EQ(editor->tools.Selection(), (CellRect{1, 1, 5, 4}));
    PressKey('Z', true);  // back to 10 x 8: the selection stays as it was cut
    EXPECT_EQ(editor->tools.Selection(), (CellRect{1, 1, 5, 4}));
    PressKey('F');
    EXPECT_FALSE(editor->tools.HasSelection());
    PressKey('R');
    DragOnMap({CellCentre(1, 1), CellCentre(2, 2)});
    mainWindow->stage.MarkSaved();
    PressKey('N', true);
    EXPECT_FALSE(editor->tools.HasSelection());
    EXPECT_EQ(ActiveTool(), UINT{ID_TOOL_SELECTION});
}

// Over the map the pointer shows the tool; the pen with no chip shows the eraser. Beyond the
// map's part of the view it is the arrow.
TEST_F(ToolsTest, ThePointerShowsTheToolOverTheMap) {
    auto pointerAt = [](POINT point) {
        POINT screen = point;
        ClientToScreen(mainWindow->handle, &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageA(mainWindow->handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(mainWindow->handle),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    auto resource = [](int id) { return LoadCursorW(instanceHandle, MAKEINTRESOURCEW(id)); };
    const POINT onMap = CellCentre(3, 3);
    EXPECT_EQ(pointerAt(onMap), resource(IDCUR_PEN));
    ClickAt(mainWindow->handle, onMap.x, onMap.y, WM_RBUTTONDOWN);  // an empty cell: the eraser
    EXPECT_EQ(GetCursor(), resource(IDCUR_ERASER));
    PressKey('P');
    EXPECT_EQ(pointerAt(onMap), resource(IDCUR_RECTANGLE));
    PressKey('F');
    EXPECT_EQ(pointerAt(onMap), resource(IDCUR_FILL));
    PressKey('R');
    EXPECT_EQ(pointerAt(onMap), resource(IDCUR_SELECTION));
    editor->tools.StartPaste(CellBlock{1, 1, {{{1}, {0}, {0}}}});
    EXPECT_EQ(pointerAt(onMap), resource(IDCUR_PASTE));
    ASSERT_TRUE(mainWindow->ResizeMap(400, 320));
    EXPECT_EQ(pointerAt(CellCentre(12, 3)), LoadCursor(nullptr, IDC_ARROW));
    const std::vector<HCURSOR> shapes = {resource(IDCUR_PEN), resource(IDCUR_ERASER), resource(IDCUR_RECTANGLE),
                                         resource(IDCUR_FILL), resource(IDCUR_SELECTION), resource(IDCUR_PASTE)};
    for (size_t i = 0; i < shapes.size(); ++i) {
        EXPECT_NE(shapes[i], nullptr) << i;
        for (size_t j = 0; j < i; ++j) EXPECT_NE(shapes[i], shapes[j]) << i << " " << j;
    }
}

// Delete empties the selection from every window but a text box, where it deletes a character.
TEST_F(ToolsTest, DeleteReachesTheSelectionButNotFromATextBox) {
    SetCell(0, 3 * 16 + 2, MapCell{100, 120, 80});
    PressKey('R');
    DragOnMap({CellCentre(2, 3), CellCentre(2, 3)});
    ShowSettingsDialog(messageWindow, IDC_MESSAGE_TEXT);
    SetDlgItemTextA(messageWindow->handle, IDC_MESSAGE_TEXT, "abc");
    SendDlgItemMessageA(messageWindow->handle, IDC_MESSAGE_TEXT, EM_SETSEL, 0, 0);
    Press(VK_DELETE);
    char box[16] = {};
    GetDlgItemTextA(messageWindow->handle, IDC_MESSAGE_TEXT, box, sizeof box);
    EXPECT_EQ(std::string(box), "bc");
    EXPECT_EQ(MapCellAt(0, 2, 3).chipId, 100u);
    SetFocus(GetDlgItem(messageWindow->handle, IDC_MESSAGE_OK));
    Press(VK_DELETE);
    EXPECT_EQ(MapCellAt(0, 2, 3).chipId, 0u);
    EXPECT_TRUE(IsWindowVisible(messageWindow->handle));  // and not the button's press
}

// The view scrolled by a key under a pointer that stays still: the end of a rectangle being
// dragged and a pasted block go to the cell now under the pointer.
TEST_F(ToolsTest, ScrollingUnderAStillPointerMovesTheDragAndThePaste) {
    ASSERT_TRUE(mainWindow->ResizeMap(1200, 800));
    PressKey('P');
    CurrentChip = ChipEntry{100, 120, 80, 0};
    DragOnMap({CellCentre(2, 2), CellCentre(4, 3)}, false);
    PressKey(VK_RIGHT);
    PressKey(VK_DOWN);
    SendMessageA(mainWindow->handle, WM_LBUTTONUP, 0, 0);
    for (uint32_t row = 0; row < 8; ++row)
        for (uint32_t column = 0; column < 8; ++column)
            EXPECT_EQ(MapCellAt(0, column, row).chipId,
                      column >= 2 && column <= 5 && row >= 2 && row <= 4 ? 100u : 0u)
                << column << "," << row;

    editor->tools.StartPaste(CellBlock{1, 1, {{{100}, {0}, {0}}}});
    SendMessageA(mainWindow->handle, WM_MOUSEMOVE, 0, MAKELPARAM(CellCentre(6, 6).x, CellCentre(6, 6).y));
    EXPECT_EQ(editor->tools.Pointer(), (CellPoint{7, 7}));
    PressKey(VK_LEFT);
    EXPECT_EQ(editor->tools.Pointer(), (CellPoint{6, 7}));
}

// The line by L, the pen's Shift+click and the eraser by E, as the designer uses them: each
// paints what it should, and one undo brings back the very bytes saved before it.
TEST_F(ToolsTest, LineShiftClickAndEraserAreEachOneUndoStep) {
    const std::string path = profile.Path() + "\\tools.bin";
    auto click = [](int column, int row, WPARAM keys = MK_LBUTTON) {
        const POINT p = CellCentre(column, row);
        SendMessageA(mainWindow->handle, WM_LBUTTONDOWN, keys, MAKELPARAM(p.x, p.y));
        SendMessageA(mainWindow->handle, WM_LBUTTONUP, keys & ~WPARAM{MK_LBUTTON}, MAKELPARAM(p.x, p.y));
    };
    const struct {
        const char* name;
        std::function<void()> before, act;
        std::vector<CellPoint> painted;  // layer 0 holds chip 100 there afterwards, or none
    } steps[] = {
        {"line", [] { PressKey('L'); },
         [] { DragOnMap({CellCentre(1, 1), CellCentre(9, 9), CellCentre(5, 3)}); },
         {{1, 1}, {2, 1}, {3, 2}, {5, 3}}},
        {"shift+click", [&] { PressKey('B'); click(1, 6); }, [&] { click(6, 6, MK_LBUTTON | MK_SHIFT); },
         {{2, 6}, {4, 6}, {6, 6}}},
        {"eraser", [] { PressKey('E'); }, [&] { click(1, 1); }, {}},
    };
    CurrentChip = ChipEntry{100, 120, 80, 0};
    for (const auto& step : steps) {
        step.before();
        const std::string saved = SaveAndRead(path);
        step.act();
        for (const CellPoint& cell : step.painted)
            EXPECT_EQ(MapCellAt(0, cell.column, cell.row).chipId, 100u) << step.name << " " << cell.column;
        if (step.painted.empty()) EXPECT_EQ(MapCellAt(0, 1, 1).chipId, 0u) << step.name;
        EXPECT_NE(SaveAndRead(path), saved) << step.name;
        PressKey('Z', true);
        EXPECT_EQ(SaveAndRead(path), saved) << step.name;
        step.act();  // again, for the next step to build on
    }
}

// A press is handled where it was made: posted at one cell while the pointer has moved on before
// it is handled, the rectangle still starts in the cell pressed.
TEST_F(ToolsTest, ARectangleStartsInTheCellPressedWhereverThePointerWentSince) {
    PressKey('P');
    CurrentChip = ChipEntry{100, 120, 80, 0};
    const POINT pressed = CellCentre(2, 2);
    PostMessageA(mainWindow->handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pressed.x, pressed.y));
    POINT away = CellCentre(9, 8);
    ClientToScreen(mainWindow->handle, &away);
    SetCursorPos(away.x, away.y);
    PumpMessages();
    const POINT released = CellCentre(4, 3);
    SendMessageA(mainWindow->handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(released.x, released.y));
    SendMessageA(mainWindow->handle, WM_LBUTTONUP, 0, MAKELPARAM(released.x, released.y));
    for (uint32_t row = 0; row < 12; ++row)
        for (uint32_t column = 0; column < 16; ++column)
            EXPECT_EQ(MapCellAt(0, column, row).chipId,
                      column >= 2 && column <= 4 && row >= 2 && row <= 3 ? 100u : 0u)
                << column << "," << row;
}
