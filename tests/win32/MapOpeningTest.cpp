// Every way a map opens: the Open dialog (which now also shows files of any name), a file
// dropped on the main window, the recent maps of the ファイル menu, and what the program keeps
// of them in its own folder.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "EditorFixture.h"
#include "FileDialogWatcher.h"
#include "MessageBoxWatcher.h"
#include "TestFiles.h"
#include "WideText.h"
#include "map/CurrentFile.h"
#include "map/MapOpening.h"
#include "map/RecentMaps.h"
#include "resource.h"

namespace {

std::wstring Caption() {
    wchar_t text[1024] = {};
    GetWindowTextW(mainWindow->handle, text, 1024);
    return text;
}

std::wstring CaptionFor(const std::wstring& path) { return L"ぴこらんエディタ [" + path + L"]"; }

// The recent entries of the ファイル menu, as they read.
std::vector<std::wstring> RecentMenu() {
    std::vector<std::wstring> entries;
    HMENU file = GetSubMenu(GetMenu(mainWindow->handle), 0);
    for (UINT id = ID_FILE_RECENT_FIRST; id < ID_FILE_RECENT_FIRST + 8; ++id) {
        wchar_t text[1024] = {};
        if (GetMenuStringW(file, id, text, 1024, MF_BYCOMMAND) > 0) entries.push_back(text);
    }
    return entries;
}

// The ファイル menu's commands from top to bottom (0 for a separator).
std::vector<UINT> FileMenuIds() {
    std::vector<UINT> ids;
    HMENU file = GetSubMenu(GetMenu(mainWindow->handle), 0);
    for (int i = 0; i < GetMenuItemCount(file); ++i) ids.push_back(GetMenuItemID(file, i));
    return ids;
}

class MapOpeningTest : public EditorTest {
protected:
    // A map data file whose width tells it apart; the editor's map is a new one again after.
    std::wstring WriteMap(const std::wstring& name, int32_t width) {
        const std::wstring path = folder + L"\\" + name;
        EXPECT_TRUE(mainWindow->ResizeMap(width, 480));
        EXPECT_TRUE(mainWindow->SaveMap(Utf8FromWide(path).c_str()));
        PressKey('N', true);
        return path;
    }
    ScratchFolder maps{"picoran-opening-" + std::to_string(GetCurrentProcessId())};
    std::wstring folder = Wide(maps.Path());
};

}  // namespace

TEST_F(MapOpeningTest, RecentMapsAfterTwoOpensAndASaveAndAfterARestart) {
    const std::wstring first = WriteMap(L"first.bin", 680);
    const std::wstring second = WriteMap(L"ステージ&２.bin", 720);  // not ASCII, an "&" in it
    const std::wstring saved = folder + L"\\saved.bin";
    EXPECT_TRUE(RecentMenu().empty());
    {
        FileDialogWatcher dialogs(first);
        DispatchCommand(ID_FILE_OPEN);
    }
    {
        FileDialogWatcher dialogs(second);
        DispatchCommand(ID_FILE_OPEN);
    }
    EXPECT_EQ(mainWindow->map.mapWidth, 720);
    {
        FileDialogWatcher dialogs(saved);
        DispatchCommand(ID_FILE_SAVEAS);
    }
    const std::vector<std::wstring> expected = {L"&1 " + saved, L"&2 " + folder + L"\\ステージ&&２.bin",
                                                L"&3 " + first};
    EXPECT_EQ(RecentMenu(), expected);
    // Under 名前をつけて保存, a separator of their own, then the one above 終了.
    const std::vector<UINT> menu = FileMenuIds();
    ASSERT_EQ(menu.size(), 12u);
    EXPECT_EQ(menu[5], static_cast<UINT>(ID_FILE_SAVEAS));
    EXPECT_EQ(menu[7], static_cast<UINT>(ID_FILE_RECENT_FIRST));
    EXPECT_EQ(menu[10], 0u);
    EXPECT_EQ(menu[11], static_cast<UINT>(ID_FILE_EXIT));
    EXPECT_EQ(FileBytes(profile.ProgramFolder() + "\\recent-files.txt"),
              "picoran-editor recent files 1\r\n" + Utf8FromWide(saved) + "\r\n" + Utf8FromWide(second) + "\r\n" +
                  Utf8FromWide(first) + "\r\n");

    // Save (Ctrl+S) counts as well.
    const std::wstring plain = folder + L"\\plain.bin";
    SetCurrentPath(plain.c_str());
    PressKey('S', true);
    EXPECT_EQ(RecentMenu().front(), L"&1 " + plain);
    EXPECT_EQ(RecentMenu().size(), 4u);

    Teardown();
    ASSERT_TRUE(StartUp());
    EXPECT_EQ(RecentMenu(), (std::vector<std::wstring>{L"&1 " + plain, L"&2 " + saved,
                                                       L"&3 " + folder + L"\\ステージ&&２.bin",
                                                       L"&4 " + first}));
}

TEST_F(MapOpeningTest, ARecentMapOpensAsOpenWouldAndAGoneOneLeavesTheListWithAMessage) {
    const std::wstring kept = WriteMap(L"kept.bin", 680);
    const std::wstring gone = WriteMap(L"gone.bin", 720);
    RememberRecentMap(kept);
    RememberRecentMap(gone);
    scrollX = 3;
    DispatchCommand(ID_FILE_RECENT_FIRST + 1);
    EXPECT_EQ(Caption(), CaptionFor(kept));
    EXPECT_EQ(mainWindow->map.mapWidth, 680);
    EXPECT_EQ(scrollX, 0);
    EXPECT_EQ(RecentMenu().front(), L"&1 " + kept);

    ASSERT_TRUE(DeleteFileW(gone.c_str()));
    MessageBoxWatcher boxes;
    DispatchCommand(ID_FILE_RECENT_FIRST + 1);
    ASSERT_EQ(boxes.WideBoxes().size(), 1u);
    EXPECT_EQ(boxes.WideBoxes()[0],
              L"ERROR|ファイルが見つかりません。最近使ったファイルの一覧から外しました。\r\n" + gone);
    EXPECT_EQ(RecentMenu(), std::vector<std::wstring>{L"&1 " + kept});
    EXPECT_EQ(Caption(), CaptionFor(kept));  // the map stays as it was
}

// Nothing of the list may ever stop the designer: a damaged file is an empty list, and a
// folder that cannot be made keeps nothing, without a word.
TEST_F(MapOpeningTest, ADamagedListOrAFolderThatCannotBeMadeIsAnEmptyListWithoutAMessage) {
    const std::wstring map = WriteMap(L"map.bin", 680);
    WriteBytes(profile.ProgramFolder() + "\\recent-files.txt", "picoran-editor recent files 1\r\n\xFF\r\n");
    MessageBoxWatcher boxes;
    ShowRecentMaps();
    EXPECT_TRUE(RecentMenu().empty());
    DispatchCommand(ID_FILE_RECENT_FIRST);  // no such entry: nothing happens
    RememberRecentMap(map);
    EXPECT_EQ(RecentMenu(), std::vector<std::wstring>{L"&1 " + map});

    Teardown();  // the running editor holds a file in the folder
    ScratchFolder::Remove(profile.ProgramFolder());
    WriteBytes(profile.ProgramFolder(), "a file where the folder should be");
    ASSERT_TRUE(StartUp());
    EXPECT_TRUE(RecentMenu().empty());
    EXPECT_TRUE(OpenMapPath(map));
    ShowChanges();
    EXPECT_EQ(Caption(), CaptionFor(map));
    EXPECT_TRUE(RecentMenu().empty());
    PumpMessages();
    EXPECT_TRUE(boxes.WideBoxes().empty());
}

// A path the current file cannot hold is refused before anything changes: cut short, it would
// send the next Save to another file.
TEST_F(MapOpeningTest, APathTooLongForTheCurrentFileIsRefused) {
    const std::wstring longPath = folder + L"\\" + std::wstring(250, L'a') + L".bin";
    MessageBoxWatcher boxes;
    EXPECT_FALSE(OpenMapPath(longPath));
    ASSERT_EQ(boxes.WideBoxes().size(), 1u);
    EXPECT_EQ(boxes.WideBoxes()[0],
              L"ERROR|マップファイルを開けませんでした。\r\n" + longPath + L"\r\nパスが長すぎます。");
    EXPECT_EQ(Caption(), L"ぴこらんエディタ [ぴこらんマップ]");
    EXPECT_TRUE(RecentMenu().empty());
}

// Explorer drops files as a DROPFILES block of wide, zero-separated paths.
TEST_F(MapOpeningTest, AFileDroppedOnTheMainWindowOpensTheFirstOfSeveral) {
    EXPECT_NE(GetWindowLongW(mainWindow->handle, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    const std::wstring first = WriteMap(L"ドロップ.bin", 760);
    const std::wstring second = WriteMap(L"second.bin", 800);
    std::wstring names = first + L'\0' + second + L'\0' + L'\0';
    HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(drop);
    scrollY = 2;

    PostMessageW(mainWindow->handle, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    PumpMessages();
    EXPECT_EQ(Caption(), CaptionFor(first));
    EXPECT_EQ(mainWindow->map.mapWidth, 760);
    EXPECT_EQ(scrollY, 0);
    EXPECT_EQ(RecentMenu(), std::vector<std::wstring>{L"&1 " + first});
}

// After the maps, every file: the default file "ぴこらんマップ" has no extension.
TEST_F(MapOpeningTest, TheOpenDialogOffersAllFilesAfterTheMaps) {
    FileDialogWatcher dialogs;
    DispatchCommand(ID_FILE_OPEN);
    ASSERT_EQ(dialogs.Dialogs().size(), 1u);
    EXPECT_EQ(dialogs.Dialogs()[0].fileTypes,
              (std::vector<std::wstring>{L"txt or binary files(*.txt,*.bin)", L"すべてのファイル (*.*)"}));
}
