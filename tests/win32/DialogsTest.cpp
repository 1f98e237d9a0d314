// The four settings dialogs driven through their real controls: text typed into the
// boxes, the buttons pressed, then the boxes and the stored values read back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "EditorFixture.h"
#include "MessageBoxWatcher.h"
#include "core/Texts.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/DialogControls.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"
#include "dialogs/SettingsDialogProcs.h"
#include "TestFiles.h"
#include "map/core/MapFileWriter.h"
#include "resource.h"

namespace {

void Type(const Window* dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog->handle, id, text.c_str());
}

// A button press as the dialog receives it.
// `count` hiragana "あ" (two bytes each in code page 932) after an ASCII prefix.
std::string DoubleByteText(const std::string& prefix, int count) {
    std::string text = prefix;
    for (int i = 0; i < count; ++i) text += "\x82\xa0";
    return text;
}

// The whole editor started, as for every Windows-side test; named so the dialog tests
// can be run on their own.
class DialogTest : public EditorTest {};

std::string StoredComment() { return Settings().comment; }

std::vector<int32_t> StoredNumbers() {
    return {Settings().numbers.targetTime, Settings().numbers.timeLimit, Settings().numbers.backgroundImage,
            Settings().numbers.music};
}

}  // namespace

TEST_F(DialogTest, DialogsStartHiddenOwnedByTheMainWindowWithTheirTitles) {
    const std::vector<std::pair<const Window*, const char*>> dialogs = {
        {resizeWindow, texts::kResizeDialogTitle},
        {cursorWindow, texts::kCursorDialogTitle},
        {messageWindow, texts::kMessageDialogTitle},
        {configWindow, texts::kConfigDialogTitle}};
    for (const auto& [dialog, title] : dialogs) {
        ASSERT_NE(dialog, nullptr);
        ASSERT_NE(dialog->handle, nullptr) << title;
        EXPECT_FALSE(Visible(dialog)) << title;
        EXPECT_EQ(WindowText(dialog->handle), title);
        EXPECT_EQ(GetWindow(dialog->handle, GW_OWNER), mainWindow->handle) << title;
    }
}

// With the system's look and DPI awareness, each dialog's client area is still its template's
// size in dialog units, and the palettes keep their 256 x 256 pixels (see PaletteTest).
TEST_F(DialogTest, ClientAreasAreTheTemplatesSizesInDialogUnits) {
    const struct {
        const Window* dialog;
        LONG width, height;
    } dialogs[] = {{resizeWindow, 83, 86}, {cursorWindow, 99, 106}, {messageWindow, 250, 130},
                   {configWindow, 166, 126}};
    for (const auto& d : dialogs) {
        RECT expected{0, 0, d.width, d.height};
        ASSERT_TRUE(MapDialogRect(d.dialog->handle, &expected));
        RECT client;
        ASSERT_TRUE(GetClientRect(d.dialog->handle, &client));
        EXPECT_EQ(client.right, expected.right) << d.width << " x " << d.height;
        EXPECT_EQ(client.bottom, expected.bottom) << d.width << " x " << d.height;
    }
}

TEST_F(DialogTest, BoxesShowTheStartValues) {
    EXPECT_EQ(BoxText(resizeWindow, IDC_RESIZE_WIDTH), "640");
    EXPECT_EQ(BoxText(resizeWindow, IDC_RESIZE_HEIGHT), "480");
    EXPECT_EQ(BoxText(cursorWindow, IDC_CURSOR_X), "320");
    EXPECT_EQ(BoxText(cursorWindow, IDC_CURSOR_Y), "240");
    EXPECT_TRUE(cursorWindow->IsUnspecified());
    EXPECT_EQ(BoxText(messageWindow, IDC_MESSAGE_TEXT), texts::kDefaultComment);
    EXPECT_EQ(StoredComment(), texts::kDefaultComment);
    EXPECT_EQ(Settings().comment.size(), 42u);
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_TARGET_TIME), "10");
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_TIME_LIMIT), "300");
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_BACKGROUND), "0");
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_MUSIC), "0");
}

TEST_F(DialogTest, ShowingADialogPutsTheFocusIntoTheGivenBox) {
    ShowSettingsDialog(configWindow, IDC_CONFIG_TARGET_TIME);
    EXPECT_TRUE(Visible(configWindow));
    EXPECT_EQ(GetFocus(), GetDlgItem(configWindow->handle, IDC_CONFIG_TARGET_TIME));
    ShowSettingsDialog(resizeWindow, IDC_RESIZE_WIDTH);
    EXPECT_TRUE(Visible(resizeWindow));
    EXPECT_EQ(GetFocus(), GetDlgItem(resizeWindow->handle, IDC_RESIZE_WIDTH));
}

TEST_F(DialogTest, EditAreaOkResizesToWholeCellsKeepsSharedCellsAndResetsTheView) {
    const MapCell chip{5, 40, 0};
    SetCell(2, 2 * 16 + 3, chip);  // column 3, row 2
    scrollX = 1;
    scrollY = 1;
    ShowSettingsDialog(resizeWindow, IDC_RESIZE_WIDTH);
    Type(resizeWindow, IDC_RESIZE_WIDTH, "700");
    Type(resizeWindow, IDC_RESIZE_HEIGHT, "500");
    PressButton(resizeWindow, IDC_RESIZE_OK);

    EXPECT_EQ(BoxText(resizeWindow, IDC_RESIZE_WIDTH), "680");
    EXPECT_EQ(BoxText(resizeWindow, IDC_RESIZE_HEIGHT), "480");
    EXPECT_EQ(mainWindow->map.mapWidth, 680);
    EXPECT_EQ(mainWindow->map.mapHeight, 480);
    EXPECT_EQ(scrollX, 0);
    EXPECT_EQ(scrollY, 0);
    EXPECT_EQ(mainWindow->map.Layer(2)[2 * 17 + 3], chip);  // now 17 cells a row
    EXPECT_FALSE(Visible(resizeWindow));
}

TEST_F(DialogTest, EditAreaIsKeptBetweenSixteenByTwelveAndSixtyBySixtyCells) {
    struct Case {
        const char* width;
        const char* height;
        int32_t expectedWidth;
        int32_t expectedHeight;
    };
    for (const Case& c : {Case{"639", "479", 640, 480}, Case{"2439", "2440", 2400, 2400},
                          Case{"5000", "480", 2400, 480}, Case{"-40", "", 640, 480},
                          Case{"wide", "1000", 640, 1000}}) {
        SCOPED_TRACE(std::string(c.width) + " x " + c.height);
        Type(resizeWindow, IDC_RESIZE_WIDTH, c.width);
        Type(resizeWindow, IDC_RESIZE_HEIGHT, c.height);
        PressButton(resizeWindow, IDC_RESIZE_OK);
        EXPECT_EQ(mainWindow->map.mapWidth, c.expectedWidth);
        EXPECT_EQ(mainWindow->map.mapHeight, c.expectedHeight);
        EXPECT_EQ(BoxText(resizeWindow, IDC_RESIZE_WIDTH), std::to_string(c.expectedWidth));
        EXPECT_EQ(BoxText(resizeWindow, IDC_RESIZE_HEIGHT), std::to_string(c.expectedHeight));
    }
}

// Cancel and a close request only hide: the typed text stays for next time, and nothing
// that the dialog sets has changed.
TEST_F(DialogTest, CancelAndCloseHideEachDialogAndKeepTheTypedText) {
    struct Case {
        const Window* dialog;
        int box;
        int cancel;
    };
    for (const Case& c : {Case{resizeWindow, IDC_RESIZE_WIDTH, IDC_RESIZE_CANCEL},
                          Case{cursorWindow, IDC_CURSOR_X, IDC_CURSOR_CANCEL},
                          Case{messageWindow, IDC_MESSAGE_TEXT, IDC_MESSAGE_CANCEL},
                          Case{configWindow, IDC_CONFIG_TARGET_TIME, IDC_CONFIG_CANCEL}}) {
        SCOPED_TRACE(c.box);
        ShowSettingsDialog(c.dialog, c.box);
        Type(c.dialog, c.box, "123");
        PressButton(c.dialog, c.cancel);
        EXPECT_FALSE(Visible(c.dialog));
        EXPECT_EQ(BoxText(c.dialog, c.box), "123");

        ShowSettingsDialog(c.dialog, c.box);
        SendMessageA(c.dialog->handle, WM_CLOSE, 0, 0);
        EXPECT_FALSE(Visible(c.dialog));
    }
    EXPECT_EQ(mainWindow->map.mapWidth, 640);
    EXPECT_EQ(Settings().startX, 320);
    EXPECT_EQ(StoredComment(), texts::kDefaultComment);
    EXPECT_EQ(Settings().numbers.targetTime, 10);
}

TEST_F(DialogTest, NotSpecifiedBoxTogglesWithoutMovingTheStartOrClosingTheDialog) {
    ShowSettingsDialog(cursorWindow, IDC_CURSOR_X);
    HWND checkBox = GetDlgItem(cursorWindow->handle, IDC_CURSOR_UNSPECIFIED);
    SendMessageA(checkBox, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_FALSE(cursorWindow->IsUnspecified());
    EXPECT_TRUE(Visible(cursorWindow));
    SendMessageA(checkBox, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_TRUE(cursorWindow->IsUnspecified());
    EXPECT_EQ(Settings().startX, 320);
    EXPECT_EQ(Settings().startY, 240);

    cursorWindow->SetUnspecified(false);
    EXPECT_EQ(IsDlgButtonChecked(cursorWindow->handle, IDC_CURSOR_UNSPECIFIED), BST_UNCHECKED);
}

TEST_F(DialogTest, StartPositionOutsideTheViewFallsBackToItsCentreCoordinateByCoordinate) {
    struct Case {
        const char* x;
        const char* y;
        int32_t expectedX;
        int32_t expectedY;
    };
    ShowSettingsDialog(cursorWindow, IDC_CURSOR_X);  // once: showing costs time under Wine
    for (const Case& c : {Case{"640", "480", 640, 480}, Case{"641", "480", 320, 480},
                          Case{"640", "481", 640, 240}, Case{"0", "-1", 0, 240}}) {
        SCOPED_TRACE(std::string(c.x) + ", " + c.y);
        Type(cursorWindow, IDC_CURSOR_X, c.x);
        Type(cursorWindow, IDC_CURSOR_Y, c.y);
        PressButton(cursorWindow, IDC_CURSOR_OK);
        EXPECT_EQ(Settings().startX, c.expectedX);
        EXPECT_EQ(Settings().startY, c.expectedY);
        EXPECT_EQ(BoxText(cursorWindow, IDC_CURSOR_X), std::to_string(c.expectedX));
        EXPECT_EQ(BoxText(cursorWindow, IDC_CURSOR_Y), std::to_string(c.expectedY));
        EXPECT_FALSE(Visible(cursorWindow));
    }
    EXPECT_TRUE(cursorWindow->IsUnspecified());  // OK never touches the box
}

TEST_F(DialogTest, CommentOkStoresAt255BytesWithoutSplittingACharacter) {
    // Two ASCII bytes first: byte 255 is then the lead byte of a character, which goes too.
    ShowSettingsDialog(messageWindow, IDC_MESSAGE_TEXT);
    Type(messageWindow, IDC_MESSAGE_TEXT, DoubleByteText("ab", 200));
    PressButton(messageWindow, IDC_MESSAGE_OK);
    EXPECT_EQ(StoredComment(), DoubleByteText("ab", 126));
    EXPECT_EQ(Settings().comment.size(), 254u);
    EXPECT_EQ(BoxText(messageWindow, IDC_MESSAGE_TEXT), StoredComment());
    EXPECT_FALSE(Visible(messageWindow));

    // One ASCII byte: the 255 bytes end on a whole character and are all kept.
    Type(messageWindow, IDC_MESSAGE_TEXT, DoubleByteText("a", 200));
    PressButton(messageWindow, IDC_MESSAGE_OK);
    EXPECT_EQ(StoredComment(), DoubleByteText("a", 127));
    EXPECT_EQ(BoxText(messageWindow, IDC_MESSAGE_TEXT), StoredComment());
}

TEST_F(DialogTest, CommentKeepsLineBreaksAndAnEmptyBoxGivesAnEmptyComment) {
    Type(messageWindow, IDC_MESSAGE_TEXT, "first\r\nsecond");
    PressButton(messageWindow, IDC_MESSAGE_OK);
    EXPECT_EQ(StoredComment(), "first\r\nsecond");

    Type(messageWindow, IDC_MESSAGE_TEXT, "");
    PressButton(messageWindow, IDC_MESSAGE_OK);
    EXPECT_EQ(Settings().comment.size(), 0u);
    EXPECT_EQ(BoxText(messageWindow, IDC_MESSAGE_TEXT), "");
}

// A map file can bring a comment that fills all 256 bytes, with no terminator.
TEST_F(DialogTest, SetCommentTakesAll256BytesAndRefusesLongerOrNegativeLengths) {
    const std::string full = DoubleByteText("", 128);
    messageWindow->SetComment(full.data(), 256);
    EXPECT_EQ(Settings().comment.size(), 256u);
    EXPECT_EQ(StoredComment(), full);
    EXPECT_EQ(BoxText(messageWindow, IDC_MESSAGE_TEXT), full);

    const std::string longer = full + "x";
    messageWindow->SetComment(longer.data(), 257);
    messageWindow->SetComment("ignored", -1);
    EXPECT_EQ(StoredComment(), full);
    EXPECT_EQ(BoxText(messageWindow, IDC_MESSAGE_TEXT), full);
}

TEST_F(DialogTest, OtherSettingsOkKeepsEachNumberWithin0To999) {
    ShowSettingsDialog(configWindow, IDC_CONFIG_TARGET_TIME);
    Type(configWindow, IDC_CONFIG_TARGET_TIME, "1000");
    Type(configWindow, IDC_CONFIG_TIME_LIMIT, "-5");  // a digits-only box still takes a paste
    Type(configWindow, IDC_CONFIG_BACKGROUND, "999");
    Type(configWindow, IDC_CONFIG_MUSIC, "0");
    PressButton(configWindow, IDC_CONFIG_OK);

    EXPECT_EQ(StoredNumbers(), std::vector<int32_t>({999, 0, 999, 0}));
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_TARGET_TIME), "999");
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_TIME_LIMIT), "0");
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_BACKGROUND), "999");
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_MUSIC), "0");
    EXPECT_FALSE(Visible(configWindow));
}

// New resets the numbers and the boxes; OK without typing then keeps the defaults.
TEST_F(DialogTest, NewShowsTheDefaultNumbersSoThatOkKeepsThem) {
    configWindow->SetValues(5000, 20, 3, 4);  // as a map file may bring them: not clamped
    EXPECT_EQ(Settings().numbers.targetTime, 5000);
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_TARGET_TIME), "5000");

    {
        MessageBoxWatcher dropChanges(IDNO);
        DispatchCommand(ID_FILE_NEW);
    }
    EXPECT_EQ(StoredNumbers(), std::vector<int32_t>({10, 300, 0, 0}));
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_TARGET_TIME), "10");
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_TIME_LIMIT), "300");
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_BACKGROUND), "0");
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_MUSIC), "0");

    PressButton(configWindow, IDC_CONFIG_OK);
    EXPECT_EQ(StoredNumbers(), std::vector<int32_t>({10, 300, 0, 0}));
}

TEST_F(DialogTest, KeysPressedInADialogReachTheShortcuts) {
    SetCell(0, 0, MapCell{7, 0, 0});
    SendMessageA(configWindow->handle, WM_KEYDOWN, VK_F8, 0);  // F8 clears the map
    EXPECT_EQ(mainWindow->map.Layer(0)[0].chipId, 0u);
}

// A dialog whose template cannot be found leaves an object that still hands its values to
// the stage but touches no window.
TEST_F(DialogTest, DialogsThatWereNeverMadeStillHandOnTheirValues) {
    HINSTANCE noTemplates = GetModuleHandleA("kernel32.dll");
    MessageWindow comment(noTemplates, mainWindow->handle, MessageDialogProc);
    EXPECT_FALSE(comment.Create("x", 0, 0));
    comment.SetComment("kept", 4);
    EXPECT_EQ(Settings().comment, "kept");
    ShowSettingsDialog(&comment, IDC_MESSAGE_TEXT);

    ConfigWindow config(noTemplates, mainWindow->handle, ConfigDialogProc);
    EXPECT_FALSE(config.Create("x", 0, 0));
    config.SetValues(1, 2, 3, 4);
    EXPECT_EQ(Settings().numbers.music, 4);

    CursorWindow cursor(noTemplates, mainWindow->handle, CursorDialogProc);
    cursor.SetUnspecified(true);
    EXPECT_FALSE(cursor.IsUnspecified());
}

// F4 on a map whose start lies beyond the dialog's bounds: OK without typing keeps it and
// leaves the map unmodified; what was typed before a cancel is gone when the dialog opens again.
TEST_F(DialogTest, F4KeepsAStartBeyondTheBoundsAndOpensOnTheStagesValuesAfterACancel) {
    MapDocument document;
    document.startX = 120;
    document.startY = 2200;
    document.startUnspecified = false;
    const std::string path = TempPath("picoran-far-start.bin");
    WriteBytes(path, Bytes(WriteBinaryMap(document)));
    ASSERT_TRUE(mainWindow->LoadMap(path.c_str(), true));
    ShowChanges();
    PressKey(VK_F4);
    EXPECT_EQ(BoxText(cursorWindow, IDC_CURSOR_Y), "2200");
    PressButton(cursorWindow, IDC_CURSOR_OK);
    EXPECT_EQ(Settings().startX, 120);
    EXPECT_EQ(Settings().startY, 2200);
    EXPECT_FALSE(mainWindow->stage.IsModified());

    PressKey(VK_F4);
    Type(cursorWindow, IDC_CURSOR_X, "7");
    PressButton(cursorWindow, IDC_CURSOR_CANCEL);
    PressKey(VK_F4);
    EXPECT_EQ(BoxText(cursorWindow, IDC_CURSOR_X), "120");
    PressButton(cursorWindow, IDC_CURSOR_OK);
    EXPECT_EQ(Settings().startX, 120);
    DeleteFileA(path.c_str());
}
