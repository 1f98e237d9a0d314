// Undo and redo through the real windows, the caption's modified mark and the question
// before unsaved work is dropped.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Commands.h"
#include "EditorFixture.h"
#include "KeyInput.h"
#include "MessageBoxWatcher.h"
#include "PaletteWindow.h"
#include "TestFiles.h"
#include "core/Texts.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"
#include "map/CurrentFile.h"
#include "map/core/MapFileWriter.h"
#include "resource.h"

namespace {

const std::string kStartCaption = std::string(texts::kProductTitle) + " [" + texts::kDefaultMapName + "]";

void DragAcrossRow(int y) {
    HWND window = mainWindow->handle;
    POINT start{10, y};
    ClientToScreen(window, &start);
    SetCursorPos(start.x, start.y);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, y));
    for (int x = 10; x < 400; x += 20) SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    for (int x = 400; x > 10; x -= 20) SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y + 40));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(10, y + 40));
}

struct Action {
    const char* name;
    std::function<void()> act;
};

class UndoTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        // Something in the map outside a 16 x 12 corner, so that a smaller size cuts it off.
        ASSERT_TRUE(mainWindow->ResizeMap(1200, 800));
        for (uint32_t i = 0; i < 600; i += 7) SetCell(static_cast<int>(i % 3), i, MapCell{2, 0, 0});
        ShowChanges();
    }
};

}  // namespace

// Each action is one step: undone, the saved file is the one saved before it; redone, the
// one saved after it.
TEST_F(UndoTest, EachActionUndoneAndRedoneGivesBackItsFiles) {
    const std::string path = TempPath("picoran-undo.bin");
    const std::vector<Action> actions = {
        {"click", [] { ClickAt(mainWindow->handle, 85, 41); }},
        {"drag", [] { DragAcrossRow(100); }},
        {"eraser drag", [] { CurrentChip = ChipEntry{0, 0, 0, 3}; DragAcrossRow(20); }},
        {"F8", [] { PressKey(VK_F8); }},
        {"smaller edit area", [] {
             PressKey(VK_F3);
             SetDlgItemTextA(resizeWindow->handle, IDC_RESIZE_WIDTH, "640");
             SetDlgItemTextA(resizeWindow->handle, IDC_RESIZE_HEIGHT, "480");
             PressButton(resizeWindow, IDC_RESIZE_OK);
         }},
        {"other settings", [] { configWindow->SetValues(1, 2, 3, 4); }},
        {"other settings reset", [] { configWindow->ResetValues(); }},
    };
    for (const Action& action : actions) {
        CurrentChip = ChipEntry{35, 80, 160, 2};
        const std::string before = SaveAndRead(path);
        action.act();
        const std::string after = SaveAndRead(path);
        ASSERT_NE(after, before) << action.name;
        PressKey('Z', true);
        EXPECT_EQ(SaveAndRead(path), before) << action.name;
        PressKey('Y', true);
        EXPECT_EQ(SaveAndRead(path), after) << action.name;
        PressKey('Z', true);
        PressKey('Z', true, true);  // Ctrl+Shift+Z redoes too
        EXPECT_EQ(SaveAndRead(path), after) << action.name;
    }
    DeleteFileA(path.c_str());
}

// The menu items act as the keys do and are greyed when there is nothing to undo or redo;
// the keys work from a palette and a dialog too, and undo brings the dialogs' boxes back.
TEST_F(UndoTest, MenuItemsAndKeysFromEveryWindow) {
    HMENU menu = GetMenu(mainWindow->handle);
    auto greyed = [menu](UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_FALSE(greyed(ID_EDIT_UNDO));
    EXPECT_TRUE(greyed(ID_EDIT_REDO));
    messageWindow->SetComment("new", 3);
    SendMessageA(smallPalette->handle, WM_KEYDOWN, 'Z', 0);  // no Ctrl: nothing
    EXPECT_EQ(Settings().comment, "new");
    SetModifiers(true, false);
    SendMessageA(smallPalette->handle, WM_KEYDOWN, 'Z', 0);
    SetModifiers(false, false);
    EXPECT_NE(Settings().comment, "new");
    char box[64] = {};
    GetDlgItemTextA(messageWindow->handle, IDC_MESSAGE_TEXT, box, sizeof box);
    EXPECT_EQ(std::string(box), Settings().comment);
    EXPECT_FALSE(greyed(ID_EDIT_REDO));
    SendMessageA(mainWindow->handle, WM_COMMAND, ID_EDIT_REDO, 0);
    EXPECT_EQ(Settings().comment, "new");
    SetModifiers(true, false);
    SendMessageA(resizeWindow->handle, WM_KEYDOWN, 'Z', 0);
    SetModifiers(false, false);
    EXPECT_NE(Settings().comment, "new");
    while (mainWindow->stage.CanUndo()) SendMessageA(mainWindow->handle, WM_COMMAND, ID_EDIT_UNDO, 0);
    EXPECT_TRUE(greyed(ID_EDIT_UNDO));
    // Undone back to 16 x 12, the view is kept inside the map.
    EXPECT_EQ(mainWindow->map.mapWidth, 640);
    EXPECT_EQ(scrollX, 0);
}

// Ctrl+Z typed in the comment box is the box's own text undo; the map keeps its changes.
TEST_F(UndoTest, CtrlZInTheCommentBoxUndoesTheText) {
    const size_t steps = mainWindow->stage.UndoableSteps();
    PressKey(VK_F9);
    HWND box = GetDlgItem(messageWindow->handle, IDC_MESSAGE_TEXT);
    SetFocus(box);
    SendMessageA(box, EM_SETSEL, 0, -1);
    SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("typed"));
    Press('Z', false, true);  // through the message loop, as the keyboard delivers it
    char text[128] = {};
    GetWindowTextA(box, text, sizeof text);
    EXPECT_EQ(std::string(text), texts::kDefaultComment);
    EXPECT_EQ(mainWindow->stage.UndoableSteps(), steps);
    EXPECT_EQ(mainWindow->map.mapWidth, 1200);
}

TEST_F(UndoTest, CaptionMarksTheMapModifiedUntilSavedOrUndoneToTheSavePoint) {
    const std::string path = TempPath("picoran-caption.bin");
    SetCurrentPath(Wide(path).c_str());
    ShowChanges();
    const std::string clean = std::string(texts::kProductTitle) + " [" + path + "]";
    EXPECT_EQ(WindowText(mainWindow->handle), clean + " *");
    PressKey('S', true);
    EXPECT_EQ(WindowText(mainWindow->handle), clean);
    ClickAt(mainWindow->handle, 300, 300);
    EXPECT_EQ(WindowText(mainWindow->handle), clean + " *");
    PressKey('Z', true);
    EXPECT_EQ(WindowText(mainWindow->handle), clean);
    PressKey('Y', true);
    EXPECT_EQ(WindowText(mainWindow->handle), clean + " *");
    DeleteFileA(path.c_str());
}

// A map larger than the dialog makes keeps its size and every cell when the edit area's OK
// is pressed with the boxes as they were shown.
TEST_F(EditorTest, LargeMapKeepsEveryCellThroughAnUntouchedEditArea) {
    MapDocument large;
    large.mapWidth = large.mapHeight = 4000;  // 100 x 100 cells
    for (auto* ids : {&large.layer0Ids, &large.layer1Ids, &large.layer2Ids}) {
        ids->assign(large.CellCount(), 0);
        for (size_t i = 0; i < ids->size(); i += 13) (*ids)[i] = 2;
    }
    const std::vector<uint8_t> bytes = WriteBinaryMap(large);
    const std::string path = TempPath("picoran-100x100.bin");
    WriteBytes(path, std::string(bytes.begin(), bytes.end()));
    ASSERT_TRUE(mainWindow->LoadMap(path.c_str(), true));
    SetCurrentPath(Wide(path).c_str());
    PressKey(VK_F3);
    PressButton(resizeWindow, IDC_RESIZE_OK);
    EXPECT_FALSE(mainWindow->stage.IsModified());
    EXPECT_FALSE(mainWindow->stage.CanUndo());
    PressKey('S', true);
    EXPECT_EQ(FileBytes(path), std::string(bytes.begin(), bytes.end()));
    DeleteFileA(path.c_str());
}

// Escape with unsaved changes asks; each answer does what it says. Without changes the
// program closes at once.
TEST(UnsavedChanges, EscapeAsksAndEachAnswerDoesWhatItSays) {
    ProfileFolder profile;  // the answer Yes saves, and the saved map becomes a recent one
    const std::string path = TempPath("picoran-escape.bin");
    for (int answer : {IDCANCEL, IDNO, IDYES}) {
        DeleteFileA(path.c_str());
        ASSERT_TRUE(StartUp());
        SetCurrentPath(Wide(path).c_str());
        ClickAt(mainWindow->handle, 100, 100);
        ASSERT_TRUE(mainWindow->stage.IsModified()) << answer << " " << WindowText(mainWindow->handle);
        MessageBoxWatcher watcher(answer);
        SendMessageA(smallPalette->handle, WM_KEYDOWN, VK_ESCAPE, 0);
        PumpMessages();
        ASSERT_EQ(watcher.WideBoxes().size(), 1u) << answer;
        EXPECT_EQ(watcher.WideBoxes()[0], L"ぴこらんエディタ|マップへの変更を保存しますか？");
        const bool running = IsWindow(mainWindow->handle) != FALSE;
        EXPECT_EQ(running, answer == IDCANCEL) << answer;
        EXPECT_EQ(FileExists(path), answer == IDYES) << answer;
        if (answer == IDCANCEL) EXPECT_EQ(mainWindow->map.Layer(2)[2 * 16 + 2].chipId, 1u);
        Teardown();
        PumpMessages();  // the quit message of the closed window would end the next question
    }
    DeleteFileA(path.c_str());

    ASSERT_TRUE(StartUp());
    MessageBoxWatcher watcher;
    SendMessageA(mainWindow->handle, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_FALSE(IsWindow(mainWindow->handle));
    Teardown();
}

// Open asks before its file dialog: Cancel leaves everything; No goes on to the dialog.
TEST_F(UndoTest, NewAndOpenAskFirst) {
    {
        MessageBoxWatcher watcher(IDCANCEL);
        PressKey('N', true);
        EXPECT_EQ(watcher.Boxes().size(), 1u);
    }
    EXPECT_EQ(mainWindow->map.mapWidth, 1200);
    {
        MessageBoxWatcher watcher(IDCANCEL);
        PressKey('O', true);
        EXPECT_EQ(watcher.Boxes().size(), 1u);
    }
    EXPECT_EQ(mainWindow->map.mapWidth, 1200);
    // The end of the Windows session asks too, and Cancel refuses it.
    {
        MessageBoxWatcher watcher(IDCANCEL);
        EXPECT_EQ(SendMessageA(mainWindow->handle, WM_QUERYENDSESSION, 0, 0), FALSE);
        EXPECT_EQ(watcher.Boxes().size(), 1u);
    }
    mainWindow->stage.MarkSaved();
    MessageBoxWatcher watcher;
    PressKey('N', true);
    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_EQ(mainWindow->map.mapWidth, 640);
    EXPECT_EQ(WindowText(mainWindow->handle), kStartCaption);
}
