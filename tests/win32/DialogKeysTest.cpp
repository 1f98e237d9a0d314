// The settings dialogs driven by the keyboard alone, through the program's message loop: Tab
// and Shift+Tab, typing over a selected box, Space on the check box, Enter and Escape, and the
// shortcuts from any control. Escape in a palette still closes the program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeyInput.h"
#include "core/Texts.h"
#include "PaletteWindow.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/DialogControls.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"
#include "resource.h"

namespace {

class DialogKeyTest : public EditorTest {};

struct TabOrder {
    const char* name;
    const Window* (*dialog)();  // the dialog object, once the editor has started
    std::vector<int> ids;  // the order Tab visits the controls, from the box the dialog opens in
    int cancelId;
};
void PrintTo(const TabOrder& order, std::ostream* out) { *out << order.name; }

const TabOrder kTabOrders[] = {
    {"edit_area", []() -> const Window* { return resizeWindow; },
     {IDC_RESIZE_WIDTH, IDC_RESIZE_HEIGHT, IDC_RESIZE_OK, IDC_RESIZE_CANCEL}, IDC_RESIZE_CANCEL},
    {"start_position", []() -> const Window* { return cursorWindow; },
     {IDC_CURSOR_X, IDC_CURSOR_Y, IDC_CURSOR_UNSPECIFIED, IDC_CURSOR_OK, IDC_CURSOR_CANCEL},
     IDC_CURSOR_CANCEL},
    {"comment", []() -> const Window* { return messageWindow; },
     {IDC_MESSAGE_TEXT, IDC_MESSAGE_OK, IDC_MESSAGE_CANCEL}, IDC_MESSAGE_CANCEL},
    {"other_settings", []() -> const Window* { return configWindow; },
     {IDC_CONFIG_TARGET_TIME, IDC_CONFIG_TIME_LIMIT, IDC_CONFIG_BACKGROUND, IDC_CONFIG_MUSIC,
      IDC_CONFIG_OK, IDC_CONFIG_CANCEL},
     IDC_CONFIG_CANCEL},
};

class DialogTabOrder : public EditorTest, public ::testing::WithParamInterface<TabOrder> {};

std::wstring WideBoxText(HWND box) {
    wchar_t text[1024] = {};
    GetWindowTextW(box, text, 1024);
    return text;
}

// A box whose whole text is selected, so that typing replaces it.
bool WholeTextSelected(HWND box) {
    DWORD from = 1, to = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    return from == 0 && to == static_cast<DWORD>(GetWindowTextLengthW(box));
}

bool IsEdit(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    return lstrcmpiW(name, L"Edit") == 0;
}

}  // namespace

TEST_P(DialogTabOrder, TabAndShiftTabVisitTheControlsInTheOrderTheyStand) {
    const TabOrder& order = GetParam();
    const Window* dialog = order.dialog();
    ShowSettingsDialog(dialog, order.ids.front());
    PumpMessages();
    ASSERT_EQ(FocusedId(), order.ids.front());
    for (size_t step = 1; step <= order.ids.size(); ++step) {
        Press(VK_TAB);
        const int expected = order.ids[step % order.ids.size()];
        ASSERT_EQ(FocusedId(), expected) << "after Tab " << step;
        if (IsEdit(GetFocus()) && GetWindowTextLengthW(GetFocus()) > 0)
            EXPECT_TRUE(WholeTextSelected(GetFocus())) << "box " << expected;
    }
    for (size_t step = 1; step <= order.ids.size(); ++step) {
        Press(VK_TAB, true);
        const size_t back = (order.ids.size() - step % order.ids.size()) % order.ids.size();
        ASSERT_EQ(FocusedId(), order.ids[back]) << "after Shift+Tab " << step;
    }
    EXPECT_TRUE(Visible(dialog));

    // Escape presses the cancel button, wherever the focus is: the dialog hides, the program
    // goes on.
    Press(VK_TAB);
    Press(VK_ESCAPE);
    EXPECT_FALSE(Visible(dialog));
    EXPECT_TRUE(IsWindow(mainWindow->handle));
}

INSTANTIATE_TEST_SUITE_P(SettingsDialogs, DialogTabOrder, ::testing::ValuesIn(kTabOrders),
                         [](const ::testing::TestParamInfo<TabOrder>& info) {
                             return std::string(info.param.name);
                         });

// The width box shows 640 and the height box 480; typing after Tab replaces them, and Enter
// in a box presses OK.
TEST_F(DialogKeyTest, TypingAfterTabReplacesTheBoxAndEnterPressesOk) {
    ShowSettingsDialog(resizeWindow, IDC_RESIZE_WIDTH);
    TypeText(L"1200");  // the box the dialog opens in has its number selected too
    Press(VK_TAB);
    TypeText(L"800");
    EXPECT_EQ(WideBoxText(GetDlgItem(resizeWindow->handle, IDC_RESIZE_WIDTH)), L"1200");
    EXPECT_EQ(WideBoxText(GetDlgItem(resizeWindow->handle, IDC_RESIZE_HEIGHT)), L"800");
    Press(VK_RETURN);
    EXPECT_FALSE(Visible(resizeWindow));
    EXPECT_EQ(mainWindow->map.mapWidth, 1200);
    EXPECT_EQ(mainWindow->map.mapHeight, 800);

    // Enter on the check box presses OK as well; on the cancel button it presses that.
    ShowSettingsDialog(cursorWindow, IDC_CURSOR_X);
    TypeText(L"100");
    Press(VK_TAB);
    Press(VK_TAB);
    ASSERT_EQ(FocusedId(), IDC_CURSOR_UNSPECIFIED);
    Press(VK_RETURN);
    EXPECT_FALSE(Visible(cursorWindow));
    EXPECT_EQ(Settings().startX, 100);

    ShowSettingsDialog(configWindow, IDC_CONFIG_TARGET_TIME);
    TypeText(L"45");
    Press(VK_TAB, true);  // from the first box back to the cancel button
    ASSERT_EQ(FocusedId(), IDC_CONFIG_CANCEL);
    Press(VK_RETURN);
    EXPECT_FALSE(Visible(configWindow));
    EXPECT_EQ(Settings().numbers.targetTime, 10);
}

TEST_F(DialogKeyTest, EnterInTheCommentBoxStartsANewLineAndOnOkStoresTheComment) {
    ShowSettingsDialog(messageWindow, IDC_MESSAGE_TEXT);
    HWND box = GetDlgItem(messageWindow->handle, IDC_MESSAGE_TEXT);
    SendMessageW(box, EM_SETSEL, 0, -1);
    TypeText(L"Stage 1");
    Press(VK_RETURN);
    TypeText(L"Go!");
    EXPECT_EQ(WideBoxText(box), L"Stage 1\r\nGo!");
    EXPECT_TRUE(Visible(messageWindow));
    Press(VK_TAB);
    ASSERT_EQ(FocusedId(), IDC_MESSAGE_OK);
    Press(VK_RETURN);
    EXPECT_FALSE(Visible(messageWindow));
    EXPECT_EQ(Settings().comment, "Stage 1\r\nGo!");
}

TEST_F(DialogKeyTest, EscapeChangesNothingTheDialogHolds) {
    ShowSettingsDialog(configWindow, IDC_CONFIG_TARGET_TIME);
    TypeText(L"77");
    Press(VK_ESCAPE);
    EXPECT_FALSE(Visible(configWindow));
    EXPECT_EQ(Settings().numbers.targetTime, 10);

    ShowSettingsDialog(messageWindow, IDC_MESSAGE_TEXT);  // a box that takes Enter
    TypeText(L"x");
    Press(VK_ESCAPE);
    EXPECT_FALSE(Visible(messageWindow));
    EXPECT_EQ(Settings().comment, std::string(texts::kDefaultComment));
    EXPECT_TRUE(IsWindow(mainWindow->handle));
}

TEST_F(DialogKeyTest, SpaceTogglesTheCheckBoxAndLeavesTheDialogOpen) {
    ShowSettingsDialog(cursorWindow, IDC_CURSOR_X);
    Press(VK_TAB);
    Press(VK_TAB);
    ASSERT_EQ(FocusedId(), IDC_CURSOR_UNSPECIFIED);
    ASSERT_TRUE(cursorWindow->IsUnspecified());
    Press(VK_SPACE);
    EXPECT_FALSE(cursorWindow->IsUnspecified());
    Press(VK_SPACE);
    EXPECT_TRUE(cursorWindow->IsUnspecified());
    EXPECT_TRUE(Visible(cursorWindow));
}

// The shortcuts reach the program from a box, the check box and a button alike.
TEST_F(DialogKeyTest, ShortcutsWorkWhicheverControlOfADialogHasTheFocus) {
    ShowSettingsDialog(cursorWindow, IDC_CURSOR_X);
    Press(VK_TAB);
    Press(VK_TAB);
    ASSERT_EQ(FocusedId(), IDC_CURSOR_UNSPECIFIED);
    SetCell(0, 0, MapCell{7, 0, 0});
    Press(VK_F8);  // clears the map
    EXPECT_EQ(mainWindow->map.Layer(0)[0].chipId, 0u);
    EXPECT_TRUE(cursorWindow->IsUnspecified());  // F8 is no key of the check box
    Press('Z', false, true);  // Ctrl+Z from the check box undoes the clear
    EXPECT_EQ(mainWindow->map.Layer(0)[0].chipId, 7u);
    Press('Y', false, true);
    EXPECT_EQ(mainWindow->map.Layer(0)[0].chipId, 0u);

    Press(VK_TAB);
    ASSERT_EQ(FocusedId(), IDC_CURSOR_OK);
    ASSERT_TRUE(mainWindow->ResizeMap(800, 800));
    mainWindow->stage.MarkSaved();  // no question before the new map
    Press('N', false, true);  // Ctrl+N: a new 16 x 12 map
    EXPECT_EQ(mainWindow->map.mapWidth, 640);
    EXPECT_TRUE(Visible(cursorWindow));  // and not the button's press

    Press(VK_F9);  // from the OK button: the comment dialog
    EXPECT_TRUE(Visible(messageWindow));
    Press(VK_F3);  // from the comment box: the edit area
    EXPECT_TRUE(Visible(resizeWindow));
    EXPECT_EQ(FocusedId(), IDC_RESIZE_WIDTH);
}

TEST_F(DialogKeyTest, EscapeInAPaletteClosesTheProgram) {
    ShowSettingsDialog(configWindow, IDC_CONFIG_TARGET_TIME);
    SetFocus(largePalette->handle);
    Press(VK_ESCAPE);
    PumpMessages();
    EXPECT_FALSE(IsWindow(mainWindow->handle));
}
