// The application frame: main window geometry, caption, menu, start-up output and exit.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "EditorFixture.h"
#include "resource.h"

namespace {

// "ぴこらんエディタ [ぴこらんマップ]" in code page 932, spelled out independently of the program.
const char kStartCaption[] =
    "\x82\xd2\x82\xb1\x82\xe7\x82\xf1\x83\x47\x83\x66\x83\x42\x83\x5e\x20\x5b\x82\xd2\x82\xb1"
    "\x82\xe7\x82\xf1\x83\x7d\x83\x62\x83\x76\x5d";

struct MenuItem {
    const char* text;  // null for a separator
    UINT id;
};

std::string MenuText(HMENU menu, UINT position) {
    char text[256] = {};
    GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
    return text;
}

void ExpectMenuItems(HMENU popup, const std::vector<MenuItem>& expected) {
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(expected.size()));
    for (UINT i = 0; i < expected.size(); ++i) {
        MENUITEMINFOA info;
        std::memset(&info, 0, sizeof(info));
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
        ASSERT_TRUE(GetMenuItemInfoA(popup, i, TRUE, &info));
        if (expected[i].text == nullptr) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR) << "item " << i;
            continue;
        }
        EXPECT_EQ(MenuText(popup, i), expected[i].text) << "item " << i;
        EXPECT_EQ(info.wID, expected[i].id) << "item " << i;
        EXPECT_EQ(info.hSubMenu, nullptr);
        // Of the tools, the pen is chosen at start-up.
        EXPECT_EQ((info.fState & MFS_CHECKED) != 0, info.wID == ID_TOOL_PEN) << "item " << i;
        // Greyed at start-up: undo and redo with nothing to undo or redo, and cut, copy and
        // delete with nothing selected. Paste follows the clipboard, which other programs share.
        if (info.wID == ID_EDIT_PASTE) continue;
        const bool cannotAct = info.wID == ID_EDIT_UNDO || info.wID == ID_EDIT_REDO ||
                               info.wID == ID_EDIT_CUT || info.wID == ID_EDIT_COPY ||
                               info.wID == ID_EDIT_DELETE || info.wID == ID_EDIT_NEXT_CONFLICT ||
                               info.wID == ID_EDIT_KEEP_OURS || info.wID == ID_EDIT_TAKE_THEIRS ||
                               info.wID == ID_EDIT_FIELD_CONFLICTS;
        EXPECT_EQ((info.fState & MFS_GRAYED) != 0, cannotAct) << "item " << i;
    }
}

}  // namespace

TEST_F(EditorTest, MainWindowSitsAt100x100WithFixedOuterSize) {
    RECT outer;
    ASSERT_TRUE(GetWindowRect(mainWindow->handle, &outer));
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 100);
    EXPECT_EQ(outer.right - outer.left, 648);
    EXPECT_EQ(outer.bottom - outer.top, 534);
    EXPECT_TRUE(IsWindowVisible(mainWindow->handle));
}

TEST_F(EditorTest, MainWindowCanBeMinimisedButNotResizedOrMaximised) {
    const LONG style = GetWindowLongA(mainWindow->handle, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

TEST_F(EditorTest, CaptionIsProductTitleAndDefaultMapName) {
    EXPECT_EQ(WindowText(mainWindow->handle), kStartCaption);
}

// Both bars have a page larger than their range, which keeps them disabled for good.
TEST_F(EditorTest, ScrollBarsCannotScroll) {
    for (int bar : {SB_HORZ, SB_VERT}) {
        SCROLLINFO info;
        std::memset(&info, 0, sizeof(info));
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(mainWindow->handle, bar, &info));
        EXPECT_EQ(info.nMin, 1);
        EXPECT_EQ(info.nMax, 1);
        EXPECT_GT(static_cast<int>(info.nPage), info.nMax - info.nMin);
    }
}

TEST_F(EditorTest, MenuHasItsPopupsWithExactTextsAndIds) {
    HMENU bar = GetMenu(mainWindow->handle);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 4);  // the fourth, 表示, is OverviewTest's
    EXPECT_EQ(MenuText(bar, 0), "\x83\x74\x83\x40\x83\x43\x83\x8b");  // ファイル
    EXPECT_EQ(MenuText(bar, 1), "\x95\xd2\x8f\x57");                  // 編集
    EXPECT_EQ(MenuText(bar, 2), "\x83\x63\x81\x5b\x83\x8b");          // ツール
    ExpectMenuItems(GetSubMenu(bar, 0), {
        {"\x90\x56\x8b\x4b\x8d\xec\x90\xac\x20\x20\x20\x20\x43\x74\x72\x6c\x2b\x4e", 40015},
        {"\x8a\x4a\x82\xad\x20\x20\x20\x20\x43\x74\x72\x6c\x2b\x4f", 40001},
        {"\x88\xc8\x91\x4f\x82\xcc\x94\xc5\x82\xf0\x8a\x4a\x82\xad", 40090},  // 以前の版を開く
        {"\x83\x58\x83\x65\x81\x5b\x83\x57\x88\xea\x97\x97    Ctrl+B", ID_FILE_STAGE_LIST},  // ステージ一覧
        {"\x95\xdb\x91\xb6\x20\x20\x20\x20\x43\x74\x72\x6c\x2b\x53", 40003},
        {"\x96\xbc\x91\x4f\x82\xf0\x82\xc2\x82\xaf\x82\xc4\x95\xdb\x91\xb6\x20\x20\x20\x20"
         "\x43\x74\x72\x6c\x2b\x53\x68\x69\x66\x74\x2b\x53", 40002},
        {nullptr, 0},
        {"\x8f\x49\x97\xb9\x20\x20\x20\x20\x20\x45\x73\x63\x61\x70\x65", 40004},  // 5 blanks
    });
    ExpectMenuItems(GetSubMenu(bar, 1), {
        {"\x8c\xb3\x82\xc9\x96\xdf\x82\xb7\x20\x20\x20\x20\x43\x74\x72\x6c\x2b\x5a", 40030},  // 元に戻す
        {"\x82\xe2\x82\xe8\x92\xbc\x82\xb5\x20\x20\x20\x20\x43\x74\x72\x6c\x2b\x59", 40031},  // やり直し
        {nullptr, 0},
        {"\x90\xd8\x82\xe8\x8e\xe6\x82\xe8    Ctrl+X", ID_EDIT_CUT},     // 切り取り
        {"\x83\x52\x83\x73\x81\x5b    Ctrl+C", ID_EDIT_COPY},            // コピー
        {"\x93\x5c\x82\xe8\x95\x74\x82\xaf    Ctrl+V", ID_EDIT_PASTE},   // 貼り付け
        {"\x8d\xed\x8f\x9c    Del", ID_EDIT_DELETE},                      // 削除
        {"\x92\x75\x8a\xb7    Ctrl+H", ID_EDIT_REPLACE},                  // 置換
        {nullptr, 0},
        {"\x8e\x9f\x82\xcc\x8b\xa3\x8d\x87    Ctrl+J", ID_EDIT_NEXT_CONFLICT},  // 次の競合
        {"\x8b\xa3\x8d\x87: \x82\xb1\x82\xbf\x82\xe7\x82\xf0\x8e\x63\x82\xb7", ID_EDIT_KEEP_OURS},
        {"\x8b\xa3\x8d\x87: \x82\xa0\x82\xbf\x82\xe7\x82\xf0\x8e\xe6\x82\xe9", ID_EDIT_TAKE_THEIRS},
        {"\x92\x6c\x82\xcc\x8b\xa3\x8d\x87...", ID_EDIT_FIELD_CONFLICTS},  // 値の競合...
        {nullptr, 0},
        {"\x83\x70\x83\x8c\x83\x62\x83\x67\x28\x53\x29\x20\x20\x20\x20\x46\x31", 40008},
        {"\x83\x70\x83\x8c\x83\x62\x83\x67\x28\x4c\x29\x20\x20\x20\x20\x46\x32", 40011},
        {"\x91\x53\x91\xcc\x90\x7d\x20\x20\x20\x20\x46\x36", 40032},  // 全体図
        {"\x92\x6e\x8c\x60    F7", ID_EDIT_TERRAINS},                   // 地形
        {"\x89\xe6\x96\xca\x83\x54\x83\x43\x83\x59\x95\xcf\x8d\x58\x20\x20\x20\x20\x46\x33", 40010},
        {"\x83\x73\x83\x6d\x83\x8b\x20\x20\x20\x20\x46\x34", 40017},
        {"\x83\x7d\x83\x62\x83\x76\x83\x66\x81\x5b\x83\x5e\x82\xcc\x83\x4e\x83\x8a\x83\x41"
         "\x20\x20\x20\x20\x46\x38", 40013},
        {"\x83\x52\x83\x81\x83\x93\x83\x67\x82\xcc\x90\xdd\x92\xe8\x20\x20\x20\x20\x46\x39", 40020},
        {"\x82\xbb\x82\xcc\x91\xbc\x82\xcc\x90\xdd\x92\xe8\x20\x20\x20\x46\x31\x30", 40022},  // 3 blanks
    });
    ExpectMenuItems(GetSubMenu(bar, 2), {
        {"\x83\x79\x83\x93    B", ID_TOOL_PEN},                          // ペン
        {"\x8e\x6c\x8a\x70\x8c\x60    P", ID_TOOL_RECTANGLE},            // 四角形
        {"\x93\x68\x82\xe8\x82\xc2\x82\xd4\x82\xb5    F", ID_TOOL_FILL},  // 塗りつぶし
        {"\x94\xcd\x88\xcd\x91\x49\x91\xf0    R", ID_TOOL_SELECTION},    // 範囲選択
        {"\x8f\xc1\x82\xb5\x83\x53\x83\x80    E", ID_TOOL_ERASER},       // 消しゴム
        {"\x92\xbc\x90\xfc    L", ID_TOOL_LINE},                          // 直線
        {"\x92\x6e\x8c\x60    T", ID_TOOL_TERRAIN},                       // 地形
        {"\x83\x58\x83\x5e\x81\x5b\x83\x67\x88\xca\x92\x75    I", ID_TOOL_START},  // スタート位置
    });
}

TEST(StartUpOutput, EachBitmapThatLoadsPrintsFileLoadOk) {
    ProfileFolder profile;
    testing::internal::CaptureStdout();
    const bool started = StartUp();
    const std::string output = testing::internal::GetCapturedStdout();
    Teardown();
    ASSERT_TRUE(started);
    size_t count = 0;
    for (size_t at = output.find("file load ok"); at != std::string::npos;
         at = output.find("file load ok", at + 1))
        ++count;
    EXPECT_EQ(count, 3u) << output;
}

TEST(StartUpOutput, ResourceTexturesAreSixteenBitWithBlackAsKey) {
    ProfileFolder profile;
    ASSERT_TRUE(StartUp());
    EXPECT_EQ(mainWindow->smallSheet->width, 512);
    EXPECT_EQ(mainWindow->smallSheet->height, 512);
    EXPECT_EQ(mainWindow->largeSheet->width, 512);
    EXPECT_EQ(mainWindow->backdrop->width, 640);
    EXPECT_EQ(mainWindow->backdrop->height, 480);
    EXPECT_EQ(mainWindow->backdrop->pitch, 1280);
    EXPECT_EQ(mainWindow->smallSheet->colorKey, 0);
    EXPECT_EQ(mainWindow->largeSheet->colorKey, 0);
    EXPECT_EQ(mainWindow->backdrop->colorKey, 0);
    EXPECT_EQ(mainWindow->backBuffer->width, 640);
    EXPECT_EQ(mainWindow->backBuffer->height, 480);
    Teardown();
}
