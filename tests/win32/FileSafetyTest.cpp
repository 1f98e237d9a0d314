// Saving never loses a stage: a text map is never written over, any path the save dialog
// takes can be saved, and the default name stays in the folder the editor was started from.
#include <gtest/gtest.h>

#include <string>

#include "Commands.h"
#include "EditorFixture.h"
#include "FileDialogWatcher.h"
#include "MessageBoxWatcher.h"
#include "TestFiles.h"
#include "core/Texts.h"
#include "dialogs/MessageWindow.h"
#include "map/core/MapFileReader.h"
#include "resource.h"

namespace {

std::string CurrentFolder() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof(folder), folder);
    return folder;
}

void OpenThroughTheDialog(const std::string& path) {
    FileDialogWatcher open(Wide(path));
    DispatchCommand(ID_FILE_OPEN);
    ASSERT_EQ(open.Dialogs().size(), 1u);
    ASSERT_EQ(std::wstring(currentPath), Wide(path));
}

class FileSafetyTest : public EditorTest {};

}  // namespace

TEST_F(FileSafetyTest, SaveAfterOpeningATextMapAsksForAMapDataFileAndNeverWritesTheText) {
    ScratchFolder folder("picoran-text-save");
    const std::string text = "80 40\n5 6\n0 0\n1 2\n40 0\n";
    WriteBytes(folder / "old.txt", text);
    OpenThroughTheDialog(folder / "old.txt");

    {  // Ctrl+S: the save dialog proposes old.bin; cancelling it writes nothing.
        FileDialogWatcher save;
        PressKey('S', true);
        ASSERT_EQ(save.Dialogs().size(), 1u);
        EXPECT_EQ(save.Dialogs()[0].title, L"マップデータファイルを保存");
        const std::wstring proposed = save.Dialogs()[0].fileName;
        EXPECT_EQ(proposed.substr(proposed.size() - 7), L"old.bin");
    }
    EXPECT_EQ(FileBytes(folder / "old.txt"), text);
    EXPECT_FALSE(FileExists(folder / "old.bin"));
    EXPECT_EQ(std::wstring(currentPath), Wide(folder / "old.txt"));

    {  // The menu's Save does the same; confirming writes the map data file beside it.
        FileDialogWatcher save(Wide(folder / "old.bin"));
        DispatchCommand(ID_FILE_SAVE);
        ASSERT_EQ(save.Dialogs().size(), 1u);
    }
    EXPECT_EQ(FileBytes(folder / "old.txt"), text);
    const std::string bytes = FileBytes(folder / "old.bin");
    const MapReadResult saved =
        ReadBinaryMap(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ASSERT_TRUE(saved.ok);
    EXPECT_EQ(saved.document.layer2Ids, std::vector<uint32_t>({5, 6}));
    EXPECT_EQ(std::wstring(currentPath), Wide(folder / "old.bin"));
}

TEST_F(FileSafetyTest, SaveAsTakesAPathOf250Bytes) {
    ScratchFolder root("picoran-long");
    // Nested folders up to a file path of exactly 250 bytes.
    std::string folder = root.Path();
    while (folder.size() + 1 + 100 + 1 + 10 < 250) {
        folder += "\\" + std::string(100, 'f');
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    }
    const size_t nameLength = 250 - folder.size() - 1;
    ASSERT_GE(nameLength, 5u);
    const std::string path = folder + "\\" + std::string(nameLength - 4, 'm') + ".bin";
    ASSERT_EQ(path.size(), 250u);
    messageWindow->SetComment("long", 4);

    MessageBoxWatcher boxes;
    {
        FileDialogWatcher save(Wide(path));
        DispatchCommand(ID_FILE_SAVEAS);
        ASSERT_EQ(save.Dialogs().size(), 1u);
    }
    PumpMessages();
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.Boxes()[0];
    const std::string bytes = FileBytes(path);
    ASSERT_EQ(bytes.size(), 2376u + 4u);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "long");
    EXPECT_EQ(std::wstring(currentPath), Wide(path));
    EXPECT_EQ(CountFiles(folder, "~*.tmp"), 0);
}

TEST_F(FileSafetyTest, TheDefaultNameAlwaysMeansTheStartFolder) {
    ScratchFolder start("picoran-start");
    ScratchFolder elsewhere("picoran-elsewhere");
    const std::string previous = CurrentFolder();
    ASSERT_TRUE(SetCurrentDirectoryA(start.Path().c_str()));
    Teardown();
    PumpMessages();  // the quit message of the closed main window would end the next dialog
    ASSERT_TRUE(StartUp());

    WriteBytes(elsewhere / "other.txt", "40 40 0 0 0 0 0\n");
    OpenThroughTheDialog(elsewhere / "other.txt");
    EXPECT_EQ(CurrentFolder(), start.Path());  // browsing moves no working folder
    // Even with the working folder moved by something else, the bare name stays put.
    SetCurrentDirectoryA(elsewhere.Path().c_str());
    DispatchCommand(ID_FILE_NEW);
    ASSERT_EQ(std::wstring(currentPath), L"ぴこらんマップ");
    PressKey('S', true);

    EXPECT_TRUE(FileExists(start / texts::kDefaultMapName));
    EXPECT_FALSE(FileExists(elsewhere / texts::kDefaultMapName));
    SetCurrentDirectoryA(previous.c_str());
}
