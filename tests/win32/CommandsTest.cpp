// Menu commands and shortcut keys, with the key state set as the keyboard would.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "Commands.h"
#include "EditorFixture.h"
#include "MessageBoxWatcher.h"
#include "PaletteWindow.h"
#include "TestFiles.h"
#include "core/Texts.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"
#include "map/CurrentFile.h"
#include "resource.h"

namespace {

// Something in every layer and every setting away from its default.
void EditEverything() {
    ASSERT_TRUE(mainWindow->ResizeMap(1200, 800));
    scrollX = 5;
    scrollY = 4;
    SetCell(0, 3, MapCell{100, 120, 80});
    SetCell(1, 4, MapCell{2, 0, 0});
    SetCell(2, 5, MapCell{35, 80, 160});
    SetStart(100, 60);
    configWindow->SetValues(55, 66, 7, 8);
    messageWindow->SetComment("hello", 5);
    CurrentChip = ChipEntry{100, 120, 80, 0};
    ShowChanges();
}

class CommandTest : public EditorTest {};

}  // namespace

TEST_F(CommandTest, NewRestoresTheDefaultMapAndKeepsStartCommentAndChip) {
    EditEverything();
    SetCurrentPath(L"C:\\maps\\stage1.bin");
    MessageBoxWatcher dropChanges(IDNO);
    PressKey('N', true);
    ASSERT_EQ(dropChanges.WideBoxes().size(), 1u);
    EXPECT_EQ(dropChanges.WideBoxes()[0], L"ぴこらんエディタ|マップへの変更を保存しますか？");
    EXPECT_EQ(std::wstring(currentPath), L"ぴこらんマップ");
    EXPECT_EQ(WindowText(mainWindow->handle),
              std::string(texts::kProductTitle) + " [" + texts::kDefaultMapName + "]");
    EXPECT_EQ(mainWindow->map.mapWidth, 640);
    EXPECT_EQ(mainWindow->map.mapHeight, 480);
    EXPECT_EQ(scrollX, 0);
    EXPECT_EQ(scrollY, 0);
    for (int layer = 0; layer < 3; ++layer)
        for (uint32_t i = 0; i < 192; ++i) EXPECT_EQ(mainWindow->map.Layer(layer)[i].chipId, 0u);
    EXPECT_EQ(BoxText(resizeWindow, IDC_RESIZE_WIDTH), "640");
    EXPECT_EQ(BoxText(resizeWindow, IDC_RESIZE_HEIGHT), "480");
    EXPECT_EQ(Settings().numbers.targetTime, 10);
    EXPECT_EQ(Settings().numbers.timeLimit, 300);
    EXPECT_EQ(Settings().numbers.backgroundImage, 0);
    EXPECT_EQ(Settings().numbers.music, 0);
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_TARGET_TIME), "10");  // the boxes show them too
    EXPECT_EQ(Settings().startX, 100);
    EXPECT_EQ(Settings().comment, "hello");
    EXPECT_EQ(CurrentChip, (ChipEntry{100, 120, 80, 0}));
}

TEST_F(CommandTest, ShiftedNAndOActAsTheirPlainControlShortcuts) {
    EditEverything();
    MessageBoxWatcher dropChanges(IDNO);
    PressKey('N', true, true);
    EXPECT_EQ(mainWindow->map.mapWidth, 640);
}

TEST_F(CommandTest, F8ClearsEveryLayerAndKeepsSizeScrollCaptionAndPath) {
    EditEverything();
    const std::string caption = WindowText(mainWindow->handle);
    PressKey(VK_F8);
    for (int layer = 0; layer < 3; ++layer)
        for (uint32_t i = 0; i < 30 * 20; ++i) EXPECT_EQ(mainWindow->map.Layer(layer)[i].chipId, 0u);
    EXPECT_EQ(mainWindow->map.mapWidth, 1200);
    EXPECT_EQ(scrollX, 5);
    EXPECT_EQ(scrollY, 4);
    EXPECT_EQ(WindowText(mainWindow->handle), caption);
    EXPECT_EQ(std::wstring(currentPath), L"ぴこらんマップ");
}

TEST_F(CommandTest, CtrlSWritesCurrentPathWithoutADialogAndPlainKeysDoNothing) {
    const std::string path = TempPath("picoran-ctrl-s.bin");
    DeleteFileA(path.c_str());
    SetCurrentPath(Wide(path).c_str());
    EditEverything();

    PressKey('S');  // S alone
    for (uint32_t key : {VK_F5, VK_F7, VK_F11, VK_F12, int{'A'}, int{'Z'}}) PressKey(key);
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(mainWindow->map.mapWidth, 1200);
    EXPECT_EQ(mainWindow->map.Layer(0)[3].chipId, 100u);

    PressKey('S', true);
    const std::string bytes = FileBytes(path);
    ASSERT_EQ(bytes.size(), 72u + 12u * 30u * 20u + 5u);
    EXPECT_EQ(bytes.substr(bytes.size() - 5), "hello");
    DeleteFileA(path.c_str());
}

TEST_F(CommandTest, FunctionKeysShowPalettesAndDialogs) {
    ShowWindow(smallPalette->handle, SW_HIDE);
    PressKey(VK_F1);
    EXPECT_TRUE(IsWindowVisible(smallPalette->handle));
    PressKey(VK_F3);
    EXPECT_TRUE(IsWindowVisible(resizeWindow->handle));
    PressKey(VK_F4);
    EXPECT_TRUE(IsWindowVisible(cursorWindow->handle));
    PressKey(VK_F9);
    EXPECT_TRUE(IsWindowVisible(messageWindow->handle));
    PressKey(VK_F10);
    EXPECT_TRUE(IsWindowVisible(configWindow->handle));
}

TEST_F(CommandTest, F10DeliveredAsASystemKeyShowsTheOtherSettingsFromEveryWindow) {
    for (HWND window : {mainWindow->handle, smallPalette->handle, largePalette->handle,
                        resizeWindow->handle, messageWindow->handle}) {
        ShowWindow(configWindow->handle, SW_HIDE);
        SendMessageA(window, WM_SYSKEYDOWN, VK_F10, 0);
        EXPECT_TRUE(IsWindowVisible(configWindow->handle));
    }
    // Another key held with Alt is a system key too and no shortcut.
    SendMessageA(mainWindow->handle, WM_SYSKEYDOWN, VK_F9, 0);
    SendMessageA(smallPalette->handle, WM_SYSKEYDOWN, VK_F9, 0);
    EXPECT_FALSE(IsWindowVisible(messageWindow->handle));
}

TEST_F(CommandTest, MenuCommandsReachTheSameActions) {
    SendMessageA(mainWindow->handle, WM_COMMAND, ID_EDIT_COMMENT, 0);
    EXPECT_TRUE(IsWindowVisible(messageWindow->handle));
    EditEverything();
    MessageBoxWatcher dropChanges(IDNO);
    SendMessageA(mainWindow->handle, WM_COMMAND, ID_FILE_NEW, 0);
    EXPECT_EQ(mainWindow->map.mapWidth, 640);
}

TEST(CommandExit, EscapeInAPaletteClosesTheWholeProgram) {
    ProfileFolder profile;
    ASSERT_TRUE(StartUp());
    SendMessageA(smallPalette->handle, WM_KEYDOWN, VK_ESCAPE, 0);
    const int exitCode = RunMessageLoop();  // returns once the quit message arrives
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(IsWindow(mainWindow->handle));
    EXPECT_FALSE(IsWindow(smallPalette->handle));
    EXPECT_FALSE(IsWindow(largePalette->handle));
    EXPECT_FALSE(IsWindow(configWindow->handle));
    Teardown();
}
