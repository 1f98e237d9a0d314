// The editor on a Windows that is not Japanese and has larger window frames: its texts reach
// the system in UTF-16, a typed Japanese comment is stored as Shift_JIS, paths outside code
// page 932 work, and the whole view shows. This suite runs in a prefix of its own whose code
// page is not 932 and whose caption and menu bar are taller (see tests/win32/CMakeLists).
#include <gtest/gtest.h>

#include <string>

#include "Commands.h"
#include "DialogTextRoom.h"
#include "EditorFixture.h"
#include "FileDialogWatcher.h"
#include "MessageBoxWatcher.h"
#include "TestFiles.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"
#include "map/core/MapFileReader.h"
#include "resource.h"

namespace {

std::wstring WideText(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

std::wstring WideTempFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return folder;
}

class ForeignSystem : public EditorTest {
protected:
    void SetUp() override {
        ASSERT_NE(GetACP(), 932u) << "this suite needs a code page other than 932";
        EditorTest::SetUp();
    }
};

}  // namespace

TEST_F(ForeignSystem, CaptionTitlesAndLabelsReadBackAsJapanese) {
    EXPECT_EQ(WideText(mainWindow->handle), L"ぴこらんエディタ [ぴこらんマップ]");
    EXPECT_EQ(WideText(resizeWindow->handle), L"エディットエリアの変更");
    EXPECT_EQ(WideText(cursorWindow->handle), L"ピノル表示位置設定");
    EXPECT_EQ(WideText(messageWindow->handle), L"コメントの設定 （半角256文字まで）");
    EXPECT_EQ(WideText(configWindow->handle), L"その他の設定");
    EXPECT_EQ(WideText(GetDlgItem(cursorWindow->handle, IDC_CURSOR_UNSPECIFIED)),
              L"ピノルの初期位置を指定しない");
    EXPECT_EQ(WideText(GetDlgItem(messageWindow->handle, IDC_MESSAGE_TEXT)),
              L"<ステージ名>\r\n<適当に説明などを３行以内で>");
}

// The fonts this system gives the dialogs differ from a Japanese system's; the texts fit all
// the same.
TEST_F(ForeignSystem, EveryDialogTextFitsItsControl) { ExpectEveryDialogTextFits(); }

TEST_F(ForeignSystem, TypedJapaneseCommentIsSavedAsShiftJis) {
    SetDlgItemTextW(messageWindow->handle, IDC_MESSAGE_TEXT, L"ポロニカは\r\nかわいい한");
    SendMessageW(messageWindow->handle, WM_COMMAND, IDC_MESSAGE_OK, 0);
    const std::string path = TempPath("picoran-foreign-comment.bin");
    ASSERT_TRUE(mainWindow->SaveMap(path.c_str()));
    const std::string bytes = FileBytes(path);
    const MapReadResult read =
        ReadBinaryMap(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ASSERT_TRUE(read.ok);
    // ポロニカは, CR LF, かわいい, and "?" for the Hangul syllable code page 932 lacks.
    const std::string expected =
        "\x83\x7c\x83\x8d\x83\x6a\x83\x4a\x82\xcd\r\n\x82\xa9\x82\xed\x82\xa2\x82\xa2?";
    EXPECT_EQ(std::string(read.document.comment.begin(), read.document.comment.end()), expected);
    DeleteFileA(path.c_str());
}

TEST_F(ForeignSystem, PathOutsideCodePage932SavesOpensAndShowsInTheCaption) {
    const std::wstring folder = WideTempFolder() + L"한국어";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + L"\\😀.bin";
    DeleteFileW(path.c_str());
    SetCell(2, 5, MapCell{35, 80, 160});
    {
        MessageBoxWatcher boxes;
        FileDialogWatcher save(path);
        DispatchCommand(ID_FILE_SAVEAS);
        ASSERT_EQ(save.Dialogs().size(), 1u);
        PumpMessages();
        EXPECT_TRUE(boxes.WideBoxes().empty()) << boxes.Boxes()[0];
    }
    EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(WideText(mainWindow->handle), L"ぴこらんエディタ [" + path + L"]");

    DispatchCommand(ID_FILE_NEW);
    ASSERT_EQ(mainWindow->map.Layer(2)[5].chipId, 0u);
    {
        FileDialogWatcher open(path);
        DispatchCommand(ID_FILE_OPEN);
        ASSERT_EQ(open.Dialogs().size(), 1u);
    }
    EXPECT_EQ(mainWindow->map.Layer(2)[5].chipId, 35u);
    EXPECT_EQ(WideText(mainWindow->handle), L"ぴこらんエディタ [" + path + L"]");
    DeleteFileW(path.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(ForeignSystem, MessageBoxesSpeakJapanese) {
    const std::string path = TempPath("picoran-foreign-short.txt");
    WriteBytes(path, "80 40 5");
    MessageBoxWatcher boxes;
    EXPECT_FALSE(mainWindow->LoadMap(path.c_str(), false));
    PumpMessages();
    ASSERT_EQ(boxes.WideBoxes().size(), 1u);
    EXPECT_EQ(boxes.WideBoxes()[0].rfind(L"ERROR|マップファイルを読み込めませんでした。\r\n", 0), 0u)
        << boxes.Boxes()[0];
    EXPECT_NE(boxes.WideBoxes()[0].find(L"マップファイルが途中で終わっています"), std::wstring::npos);
    DeleteFileA(path.c_str());
}

// The prefix's caption and menu bar are taller than the classic ones: the window grows so
// that its client area still holds the whole 640 x 480 view.
TEST_F(ForeignSystem, TallerFramesStillShowTheWholeView) {
    EXPECT_GT(GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU), 19 + 19)
        << "the prefix does not have the larger metrics this test is about";
    RECT client;
    ASSERT_TRUE(GetClientRect(mainWindow->handle, &client));
    EXPECT_GE(client.right - client.left, 640);
    EXPECT_GE(client.bottom - client.top, 480);
}
