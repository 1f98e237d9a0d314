// The selection's commands and the clipboard through the real windows: copy, paste (twice), cut
// and delete, each undone to the bytes saved before; text on the clipboard as other programs
// put it there; a block copied in one running editor pasted into another and back. The clipboard
// is shared by every Wine desktop of the prefix, so CTest runs these tests one after another in
// a process of their own (cmake/Win32.cmake).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClipboardText.h"
#include "EditorFixture.h"
#include "EditorProcess.h"
#include "MessageBoxWatcher.h"
#include "PaletteWindow.h"
#include "map/BlockClipboard.h"
#include "map/CurrentFile.h"
#include "map/MapTools.h"
#include "map/core/BlockJson.h"
#include "map/core/MapFileReader.h"
#include "resource.h"

namespace {

void PointerTo(HWND window, POINT client) {
    POINT screen = client;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
}

// To a window of this process or another: sent, so it is handled when this returns.
void Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 10000, nullptr);
}

void Click(HWND window, POINT at) {
    PointerTo(window, at);
    Send(window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    Send(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    Send(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

// The selection tool's drag from one cell to another, in any editor's main window. The cursor
// really moves along: the system reports each of its moves to the window under it too, and one
// reported late must not take the drag back.
void Select(HWND window, POINT from, POINT to) {
    Send(window, WM_KEYDOWN, 'R', 0);
    PointerTo(window, from);
    Send(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    PointerTo(window, to);
    Send(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    Send(window, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
}

bool Greyed(UINT id) {
    SendMessageA(mainWindow->handle, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(mainWindow->handle), 1)), 1);
    return (GetMenuState(GetMenu(mainWindow->handle), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

std::vector<uint16_t> ViewPixels() {
    const Texture& view = *mainWindow->backBuffer;
    std::vector<uint16_t> pixels;
    for (int32_t y = 0; y < view.height; ++y)
        for (int32_t x = 0; x < view.width; ++x) pixels.push_back(view.Pixel(x, y));
    return pixels;
}

// Cells (1, 1) to (2, 2): chips in every layer, but layer 1 of (2, 2) empty.
void FillSourceCells() {
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 2; ++column) {
            const uint32_t index = static_cast<uint32_t>(row * 16 + column);
            SetCell(0, index, MapCell{100, 120, 80});
            if (column != 2 || row != 2) SetCell(1, index, MapCell{2, 0, 0});
            SetCell(2, index, MapCell{35, 80, 160});
        }
}

class ClipboardTest : public EditorTest {
protected:
    std::string path = TempPath("picoran-clipboard-" + std::to_string(GetCurrentProcessId()) + ".bin");
    void TearDown() override {
        DeleteFileA(path.c_str());
        EditorTest::TearDown();
    }
};

}  // namespace

TEST_F(ClipboardTest, CopyPasteTwiceCutAndDeleteEachUndoneGiveBackTheFileBefore) {
    FillSourceCells();
    for (int column = 5; column <= 8; ++column) SetCell(1, static_cast<uint32_t>(4 * 16 + column), MapCell{4, 40, 0});
    Select(mainWindow->handle, CellCentre(1, 1), CellCentre(2, 2));
    ASSERT_TRUE(editor->tools.HasSelection());
    PressKey('C', true);
    EXPECT_FALSE(Greyed(ID_EDIT_PASTE));
    EXPECT_NE(ClipboardText().find(L"\"columns\": 2"), std::wstring::npos);
    const std::string beforeStamps = SaveAndRead(path);

    // The block follows the pointer; what the view shows there is what the click stamps.
    PressKey('V', true);
    ASSERT_TRUE(editor->tools.Pasting());
    const std::vector<uint16_t> overSelection = ViewPixels();
    const POINT target = CellCentre(6, 3);
    PointerTo(mainWindow->handle, target);
    SendMessageA(mainWindow->handle, WM_MOUSEMOVE, 0, MAKELPARAM(target.x, target.y));
    const std::vector<uint16_t> preview = ViewPixels();
    EXPECT_NE(preview, overSelection);
    Click(mainWindow->handle, target);
    EXPECT_EQ(ViewPixels(), preview);
    for (int layer = 0; layer < 3; ++layer)
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 2; ++column) {
                const bool emptyInBlock = layer == 1 && column == 1 && row == 1;
                // The cell empty in the block keeps the map's chip 4 of layer 1.
                const MapCell expected = emptyInBlock ? MapCell{4, 40, 0} : MapCellAt(layer, 1 + column, 1 + row);
                EXPECT_EQ(MapCellAt(layer, 6 + column, 3 + row), expected) << layer << ":" << column << "," << row;
            }
    const std::string oneStamp = SaveAndRead(path);
    Click(mainWindow->handle, CellCentre(15, 11));  // a second stamp, partly beyond the map's edge
    EXPECT_EQ(MapCellAt(0, 15, 11).chipId, 100u);
    EXPECT_TRUE(editor->tools.Pasting());
    const std::string twoStamps = SaveAndRead(path);
    PressKey('Z', true);
    EXPECT_EQ(SaveAndRead(path), oneStamp);
    PressKey('Z', true);
    EXPECT_EQ(SaveAndRead(path), beforeStamps);
    PressKey('Y', true);
    PressKey('Y', true);
    EXPECT_EQ(SaveAndRead(path), twoStamps);

    // The right button ends the paste and picks nothing.
    const ChipEntry chip = CurrentChip;
    ClickAt(mainWindow->handle, CellCentre(6, 3).x, CellCentre(6, 3).y, WM_RBUTTONDOWN);
    EXPECT_FALSE(editor->tools.Pasting());
    EXPECT_EQ(CurrentChip, chip);

    // Cut copies and empties; delete empties; each is one step.
    Select(mainWindow->handle, CellCentre(6, 3), CellCentre(7, 4));
    PressKey('X', true);
    for (int layer = 0; layer < 3; ++layer) EXPECT_EQ(MapCellAt(layer, 6, 3).chipId, 0u);
    EXPECT_EQ(MapCellAt(1, 7, 4).chipId, 0u);
    EXPECT_NE(ClipboardText().find(L"[2, 4]"), std::wstring::npos);  // layer 1's second row
    PressKey('Z', true);
    EXPECT_EQ(SaveAndRead(path), twoStamps);
    SendMessageA(mainWindow->handle, WM_KEYDOWN, VK_DELETE, 0);
    for (int layer = 0; layer < 3; ++layer) EXPECT_EQ(MapCellAt(layer, 7, 4).chipId, 0u);
    PressKey('Z', true);
    EXPECT_EQ(SaveAndRead(path), twoStamps);

    // A hidden layer keeps its chips through delete.
    PressKey('3', true);
    PressKey(VK_DELETE);
    EXPECT_EQ(MapCellAt(0, 6, 3).chipId, 0u);
    EXPECT_EQ(MapCellAt(2, 6, 3).chipId, 35u);
}

// Escape ends a paste before it clears the selection, and both before it closes anything.
TEST_F(ClipboardTest, EscapeEndsThePasteThenClearsTheSelection) {
    FillSourceCells();
    Select(mainWindow->handle, CellCentre(1, 1), CellCentre(2, 2));
    PressKey('C', true);
    PressKey('V', true);
    ASSERT_TRUE(editor->tools.Pasting());
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(editor->tools.Pasting());
    EXPECT_TRUE(editor->tools.HasSelection());
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(editor->tools.HasSelection());
    PumpMessages();
    EXPECT_TRUE(IsWindow(mainWindow->handle));
    // Another tool ends a paste too.
    PressKey('V', true);
    PressKey('B');
    EXPECT_FALSE(editor->tools.Pasting());
}

// Text another program put there: a block's JSON pastes, with each chip's picture from its
// palette; other text, or a text too long to be a block, pastes nothing and greys the item.
TEST_F(ClipboardTest, TextPastesOnlyWhenItIsABlock) {
    PutText(L"{\"columns\": 2, \"rows\": 1, \"layers\": {\"0\": [[100, 0]], \"1\": [[0, 0]], \"2\": [[0, 35]]}}");
    EXPECT_FALSE(Greyed(ID_EDIT_PASTE));
    PressKey('V', true);
    ASSERT_TRUE(editor->tools.Pasting());
    Click(mainWindow->handle, CellCentre(3, 3));
    EXPECT_EQ(MapCellAt(0, 3, 3), (MapCell{100, 120, 80}));
    EXPECT_EQ(MapCellAt(2, 4, 3), (MapCell{35, 80, 160}));
    PressKey(VK_ESCAPE);

    MessageBoxWatcher watcher;
    for (const std::wstring& text : {std::wstring(L"a stage of my own"), std::wstring(L"{\"columns\": 2}"),
                                     std::wstring(kMaxBlockTextBytes + 1, L' ')}) {
        PutText(text);
        EXPECT_TRUE(Greyed(ID_EDIT_PASTE));
        PressKey('V', true);
        EXPECT_FALSE(editor->tools.Pasting());
    }
    PumpMessages();
    EXPECT_TRUE(watcher.Boxes().empty());
}

// Two editors at once: a block copied in the other one pastes here, and one copied here pastes
// there, which saves it into its map file.
TEST_F(ClipboardTest, ABlockCopiedInOneEditorPastesInAnother) {
    FillSourceCells();
    ASSERT_FALSE(SaveAndRead(path).empty());
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(StartEditor(L"\"" + Wide(path) + L"\"", process));
    HWND other = WaitForMainWindow(process.dwProcessId);
    ASSERT_NE(other, nullptr);
    for (int i = 0; i < 200 && WindowCaption(other).find(Wide(path)) == std::wstring::npos; ++i) Sleep(50);

    // There: cells (1, 1) to (2, 1) copied. Here: pasted at (10, 8).
    Select(other, CellCentre(1, 1), CellCentre(2, 1));
    Send(other, WM_COMMAND, ID_EDIT_COPY, 0);
    PressKey('V', true);
    ASSERT_TRUE(editor->tools.Pasting());
    Click(mainWindow->handle, CellCentre(10, 8));
    for (int column = 10; column <= 11; ++column) {
        EXPECT_EQ(MapCellAt(0, column, 8), (MapCell{100, 120, 80})) << column;
        EXPECT_EQ(MapCellAt(2, column, 8), (MapCell{35, 80, 160})) << column;
    }
    EXPECT_EQ(MapCellAt(0, 10, 9).chipId, 0u);  // one row only

    // Here: cell (2, 2) copied. There: pasted at (5, 6) and saved.
    PressKey(VK_ESCAPE);
    Select(mainWindow->handle, CellCentre(2, 2), CellCentre(2, 2));
    PressKey('C', true);
    Send(other, WM_COMMAND, ID_EDIT_PASTE, 0);
    Click(other, CellCentre(5, 6));
    Send(other, WM_COMMAND, ID_FILE_SAVE, 0);
    EXPECT_EQ(CloseEditor(other, process), 0u);

    const std::string bytes = FileBytes(path);
    const MapReadResult read = ReadBinaryMap(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ASSERT_TRUE(read.ok);
    const size_t at = 6 * 16 + 5;
    EXPECT_EQ(read.document.layer0Ids[at], 100u);
    EXPECT_EQ(read.document.layer1Ids[at], 0u);
    EXPECT_EQ(read.document.layer2Ids[at], 35u);
    EXPECT_EQ(read.document.layer0Ids[at + 1], 0u);
}
