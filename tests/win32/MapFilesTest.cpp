// Saving and opening map files in the real editor: what lands on disk, what a refused
// file leaves behind, and what the designer is told.
#include <gtest/gtest.h>

#include <string>

#include "Commands.h"
#include "ErrorBox.h"
#include "EditorFixture.h"
#include "MessageBoxWatcher.h"
#include "TestFiles.h"
#include "PaletteWindow.h"
#include "core/Texts.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"
#include "map/core/MapFileReader.h"
#include "resource.h"

namespace {

void Int32At(std::string& bytes, size_t offset, int32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

class MapFileTest : public EditorTest {};

}  // namespace

TEST_F(MapFileTest, NewMapSavesAsTheDocumented2376ByteFile) {
    const std::string path = TempPath("picoran-new.bin");
    MessageBoxWatcher boxes;
    messageWindow->SetComment("", 0);
    ASSERT_TRUE(mainWindow->SaveMap(path.c_str()));
    const std::string bytes = FileBytes(path);
    ASSERT_EQ(bytes.size(), 2376u);
    std::string expected(2376, '\0');
    Int32At(expected, 0, 2372);
    Int32At(expected, 4, 640);
    Int32At(expected, 8, 480);
    Int32At(expected, 2316, 2400);  // the box "not specified" is checked at start-up
    Int32At(expected, 2320, 2400);
    Int32At(expected, 2324, 10);
    Int32At(expected, 2328, 300);
    EXPECT_EQ(bytes, expected);
    EXPECT_TRUE(boxes.Boxes().empty());
    DeleteFileA(path.c_str());
}

TEST_F(MapFileTest, SavedMapReadsBackWithEverySettingAndNotSpecifiedKept) {
    const std::string path = TempPath("picoran-round.bin");
    ASSERT_TRUE(mainWindow->ResizeMap(1200, 800));
    SetCell(2, 31, MapCell{35, 80, 160});
    SetCell(0, 31, MapCell{100, 120, 80});
    configWindow->SetValues(5000, 7, 8, 9);
    messageWindow->SetComment("abc", 3);
    ASSERT_TRUE(mainWindow->SaveMap(path.c_str()));

    SendMessageA(mainWindow->handle, WM_COMMAND, ID_FILE_NEW, 0);
    messageWindow->SetComment("zzz", 3);
    cursorWindow->SetUnspecified(false);
    ASSERT_TRUE(mainWindow->LoadMap(path.c_str(), true));
    ShowChanges();
    EXPECT_EQ(mainWindow->map.mapWidth, 1200);
    EXPECT_EQ(mainWindow->map.Layer(2)[31], (MapCell{35, 80, 160}));
    EXPECT_EQ(mainWindow->map.Layer(0)[31], (MapCell{100, 120, 80}));
    EXPECT_EQ(BoxText(resizeWindow, IDC_RESIZE_WIDTH), "1200");
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_TARGET_TIME), "5000");
    EXPECT_EQ(Settings().numbers.targetTime, 5000);
    EXPECT_EQ(Settings().comment, "abc");
    EXPECT_TRUE(cursorWindow->IsUnspecified());
    DeleteFileA(path.c_str());
}

TEST_F(MapFileTest, FailedSaveLeavesTheOldFileAndSaysWhy) {
    const std::string path = TempPath("picoran-keep.bin");
    WriteBytes(path, "old contents");
    // Another program holds the old file open, so it cannot be replaced.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    {
        MessageBoxWatcher boxes;
        EXPECT_FALSE(mainWindow->SaveMap(path.c_str()));
        PumpMessages();
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].rfind("ERROR|", 0), 0u);
        EXPECT_NE(boxes.Boxes()[0].find(path), std::string::npos) << boxes.Boxes()[0];
    }
    CloseHandle(held);
    EXPECT_EQ(FileBytes(path), "old contents");
    EXPECT_EQ(CountFiles(TempFolder(), "~*.tmp"), 0);
    DeleteFileA(path.c_str());
}

// Each way a file is refused leaves the map, the settings, the dialogs and the caption as
// they were, and the message names the file and where the reader stopped.
TEST_F(MapFileTest, DamagedFileIsRefusedWholeAndTheEditorStaysAsItWas) {
    ASSERT_TRUE(mainWindow->ResizeMap(800, 600));
    SetCell(1, 7, MapCell{2, 0, 0});
    SetStart(11, 240);
    configWindow->SetValues(1, 2, 3, 4);
    messageWindow->SetComment("kept", 4);
    cursorWindow->SetPositionFields(12, 13);
    const std::string caption = WindowText(mainWindow->handle);

    std::string valid(72 + 12 * 300, '\0');  // a 20 x 15 map
    Int32At(valid, 4, 800);
    Int32At(valid, 8, 600);
    std::string longComment = valid + std::string(300, 'c');
    Int32At(longComment, 68 + 12 * 300, 300);
    const struct {
        const char* name;
        std::string bytes;
        std::string place;  // as the message gives it
    } cases[] = {
        {"picoran-cut.bin", valid.substr(0, 1000), std::string(texts::kMapErrorOffsetLabel) + " 1000"},
        {"picoran-comment.bin", longComment, std::string(texts::kMapErrorOffsetLabel) + " 3668"},
        {"picoran-words.txt", "80 40\n5 six\n", std::string("2") + texts::kMapErrorLineSuffix},
        {"picoran-short.txt", "80 40 5 6 0 0 1 2 7", std::string(texts::kMapErrorOffsetLabel) + " 19"},
        {"picoran-renamed.txt", valid, texts::kTextMapIsMapDataFile},
    };
    for (const auto& c : cases) {
        const std::string path = TempPath(c.name);
        WriteBytes(path, c.bytes);
        {
            MessageBoxWatcher boxes;
            EXPECT_FALSE(mainWindow->LoadMap(path.c_str(), !IsTextMapPath(path.c_str())));
            PumpMessages();
            ASSERT_EQ(boxes.Boxes().size(), 1u) << c.name;
            EXPECT_NE(boxes.Boxes()[0].find(path), std::string::npos) << c.name;
            EXPECT_NE(boxes.Boxes()[0].find(c.place), std::string::npos) << boxes.Boxes()[0];
        }
        EXPECT_EQ(mainWindow->map.mapWidth, 800);
        EXPECT_EQ(mainWindow->map.Layer(1)[7].chipId, 2u);
        EXPECT_EQ(Settings().startX, 11);
        EXPECT_EQ(Settings().numbers.targetTime, 1);
        EXPECT_EQ(Settings().comment, "kept");
        EXPECT_EQ(BoxText(cursorWindow, IDC_CURSOR_X), "12");
        EXPECT_EQ(BoxText(resizeWindow, IDC_RESIZE_WIDTH), "640");  // as the dialog was made
        EXPECT_EQ(WindowText(mainWindow->handle), caption);
        DeleteFileA(path.c_str());
    }
}

// The start-position boxes follow the map read, so OK without typing keeps its position.
TEST_F(MapFileTest, AfterOpenTheStartPositionBoxesShowTheMapsPositionAndOkKeepsIt) {
    std::string bin(72 + 12 * 192, '\0');
    Int32At(bin, 4, 640);
    Int32At(bin, 8, 480);
    Int32At(bin, 12 + 12 * 192, 100);
    Int32At(bin, 16 + 12 * 192, 60);
    const struct {
        const char* name;
        std::string bytes;
        int32_t x, y;
    } cases[] = {{"picoran-start.bin", bin, 100, 60}, {"picoran-start.txt", "40 40 0 0 0 30 440\n", 30, 440}};
    for (const auto& c : cases) {
        const std::string path = TempPath(c.name);
        WriteBytes(path, c.bytes);
        cursorWindow->SetPositionFields(320, 240);
        ASSERT_TRUE(mainWindow->LoadMap(path.c_str(), !IsTextMapPath(path.c_str())));
        ShowChanges();
        EXPECT_EQ(BoxText(cursorWindow, IDC_CURSOR_X), std::to_string(c.x));
        EXPECT_EQ(BoxText(cursorWindow, IDC_CURSOR_Y), std::to_string(c.y));
        EXPECT_FALSE(cursorWindow->IsUnspecified());
        SendMessageA(cursorWindow->handle, WM_COMMAND, IDC_CURSOR_OK, 0);
        EXPECT_EQ(Settings().startX, c.x) << c.name;
        EXPECT_EQ(Settings().startY, c.y) << c.name;
        DeleteFileA(path.c_str());
    }
}

TEST_F(MapFileTest, TextMapGetsTheFixedCommentAndStageNumbersAndEchoesItsIds) {
    const std::string path = TempPath("picoran-text.txt");
    WriteBytes(path, "80 40\n5 6\n0 0\n1 2\n999 30\n");
    testing::internal::CaptureStdout();
    const bool loaded = mainWindow->LoadMap(path.c_str(), false);
    const std::string output = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(loaded);
    EXPECT_NE(output.find("5 6 \n0 0 \n1 2 "), std::string::npos) << output;
    EXPECT_EQ(Settings().comment, texts::kTextMapComment);
    EXPECT_EQ(Settings().numbers.targetTime, 10);
    EXPECT_EQ(Settings().numbers.timeLimit, 300);
    EXPECT_TRUE(cursorWindow->IsUnspecified());  // start x 999
    EXPECT_EQ(mainWindow->map.Layer(2)[1].chipId, 6u);
    // A small map is accepted: the view cannot scroll, clicks outside it change nothing.
    HandleKey(VK_RIGHT);
    EXPECT_EQ(scrollX, 0);
    DeleteFileA(path.c_str());
}

// A message's places take the path and the reason in order; a path that holds "%s" keeps it.
TEST(FilledMessage, EachPlaceTakesTheNextPartAndAPartIsNeverFilledAgain) {
    EXPECT_EQ(FilledMessage("%s: %s", {L"C:\\maps\\a%sb.bin", L"reason"}), L"C:\\maps\\a%sb.bin: reason");
    EXPECT_EQ(FilledMessage("%s!", {L"gone.bin"}), L"gone.bin!");
    EXPECT_EQ(FilledMessage("%s", {L"a", L"b"}), L"a");
}
