// The window "ステージ一覧" over a real folder of maps: what its list shows, its header and its
// filter box, opening a stage from it, and following the folder's changes.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "EditorFixture.h"
#include "MessageBoxWatcher.h"
#include "WideText.h"
#include "browser/StageListWindow.h"
#include "map/core/MapFileReader.h"
#include "resource.h"

namespace {

class StageListTest : public EditorTest {
protected:
    // A map data file of `columns` x 12 cells with these stage numbers and comment; the
    // editor's map is a new, unmodified one again after.
    void WriteStage(const std::wstring& name, int32_t columns, StageNumbers numbers, const char* comment) {
        ASSERT_TRUE(mainWindow->ResizeMap(columns * 40, 480));
        StageSettings settings = Settings();
        settings.numbers = numbers;
        settings.comment = comment;
        mainWindow->ChangeSettings(settings);
        ASSERT_TRUE(mainWindow->SaveMap(Utf8FromWide(Path(name)).c_str()));
        PressKey('N', true);
    }
    std::wstring Path(const std::wstring& name) const { return Wide(maps.Path()) + L"\\" + name; }
    HWND Dialog() const { return editor->stageList->handle; }
    HWND List() const { return GetDlgItem(Dialog(), IDC_STAGE_LIST_VIEW); }
    // Each row as the columns read: mark, name, size, the four numbers, comment.
    std::vector<std::wstring> Rows() const {
        std::vector<std::wstring> rows;
        for (int row = 0; row < ListView_GetItemCount(List()); ++row) {
            std::wstring line;
            for (int column : {1, 0, 2, 3, 4, 5, 6, 7}) {
                wchar_t text[512] = {};
                LVITEMW item{};
                item.iSubItem = column;
                item.pszText = text;
                item.cchTextMax = 512;
                SendMessageW(List(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
                line += (column == 1 ? L"" : L"|") + std::wstring(text);
            }
            rows.push_back(line);
        }
        return rows;
    }
    void Select(int row) { ListView_SetItemState(List(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED); }
    void ClickHeader(int column) {
        NMLISTVIEW click{};
        click.hdr = NMHDR{List(), IDC_STAGE_LIST_VIEW, LVN_COLUMNCLICK};
        click.iSubItem = column;
        SendMessageW(Dialog(), WM_NOTIFY, IDC_STAGE_LIST_VIEW, reinterpret_cast<LPARAM>(&click));
    }
    ScratchFolder maps{"picoran-stages-" + std::to_string(GetCurrentProcessId())};
};

TEST_F(StageListTest, ListsTheCurrentMapsFolderWithNumbersSortsByAHeaderAndFilters) {
    WriteStage(L"stage10.bin", 20, {30, 100, 2, 1}, "Boss");
    WriteStage(L"stage2.bin", 16, {10, 300, 1, 1}, "\x83\x41\x83\x43\r\nline 2");  // アイ
    WriteBytes(maps / "broken.bin", "abc");
    WriteBytes(maps / "notes.doc", "no map");
    SetCurrentPath(Path(L"stage2.bin").c_str());
    PressKey('B', true);
    ASSERT_NE(editor->stageList, nullptr);
    EXPECT_TRUE(Visible(editor->stageList));
    // Open's reason, its two lines on the list's one.
    std::wstring refused = WideFromSjis(ReadBinaryMap(reinterpret_cast<const uint8_t*>("abc"), 3).error.messageSjis);
    refused.replace(refused.find(L"\r\n"), 2, L"  ");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"|broken.bin|読めません|||||" + refused,
                                                 L"●|stage2.bin|16 × 12|10|300|1|1|アイ  line 2",
                                                 L"|stage10.bin|20 × 12|30|100|2|1|Boss"}));
    ClickHeader(3);  // 目標タイム, then the other way round
    ClickHeader(3);
    EXPECT_EQ(Rows()[0].substr(0, 12), L"|stage10.bin");
    EXPECT_EQ(Rows()[2].substr(0, 11), L"|broken.bin");
    SetDlgItemTextW(Dialog(), IDC_STAGE_LIST_FILTER, L"ア");
    EXPECT_EQ(Rows().size(), 1u);
    EXPECT_EQ(Rows()[0].substr(0, 12), L"●|stage2.bin");
}

TEST_F(StageListTest, OpensAStageAsOpenDoesAskingFirstWhenTheMapIsModified) {
    WriteStage(L"wide.bin", 20, {10, 300, 0, 0}, "");
    WriteBytes(maps / "broken.bin", "abc");
    SetCurrentPath(Path(L"other.bin").c_str());
    DispatchCommand(ID_FILE_STAGE_LIST);
    SetCell(0, 0, MapCell{1, 0, 0});
    Select(1);
    {
        MessageBoxWatcher cancel(IDCANCEL);
        SendMessageW(Dialog(), WM_COMMAND, IDOK, 0);  // as Enter presses it
        EXPECT_EQ(cancel.Boxes().size(), 1u);
    }
    EXPECT_TRUE(mainWindow->stage.IsModified());
    EXPECT_EQ(mainWindow->map.mapWidth, 640);
    {
        MessageBoxWatcher drop(IDNO);
        SendMessageW(Dialog(), WM_COMMAND, IDOK, 0);
        EXPECT_EQ(drop.Boxes().size(), 1u);
    }
    EXPECT_EQ(mainWindow->map.mapWidth, 800);
    EXPECT_EQ(std::wstring(currentPath), Path(L"wide.bin"));
    EXPECT_EQ(Rows()[1].substr(0, 10), L"●|wide.bin");
    // A file that cannot be read is not opened, and asks nothing.
    MessageBoxWatcher none;
    SetCell(0, 0, MapCell{1, 0, 0});
    Select(0);
    SendMessageW(Dialog(), WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(none.Boxes().empty());
    EXPECT_EQ(std::wstring(currentPath), Path(L"wide.bin"));
}

TEST_F(StageListTest, FollowsTheFolderWhenAFileIsAdded) {
    WriteStage(L"first.bin", 16, {10, 300, 0, 0}, "");
    SetCurrentPath(Path(L"first.bin").c_str());
    DispatchCommand(ID_FILE_STAGE_LIST);
    ASSERT_EQ(Rows().size(), 1u);
    CopyFileW(Path(L"first.bin").c_str(), Path(L"second.bin").c_str(), FALSE);
    for (int wait = 0; wait < 100 && Rows().size() < 2; ++wait) {
        Sleep(50);
        PumpMessages();
    }
    ASSERT_EQ(Rows().size(), 2u);
    EXPECT_EQ(Rows()[0].substr(0, 11), L"●|first.bin");  // the selection and the mark stay
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 0);
}

}  // namespace
