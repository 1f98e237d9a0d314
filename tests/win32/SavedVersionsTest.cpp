// Saved versions in the real editor: each save that replaces a map keeps what it replaced,
// 以前の版を開く opens the folder they are in, a version opened from there is saved where the
// designer chooses, and the map tool lists them from the same folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "EditorFixture.h"
#include "FileDialogWatcher.h"
#include "MessageBoxWatcher.h"
#include "TestFiles.h"
#include "WideText.h"
#include "files/FileAccess.h"
#include "map/CurrentFile.h"
#include "map/core/VersionRules.h"
#include "resource.h"

namespace {

class SavedVersionsTest : public EditorTest {
protected:
    std::string VersionsFolder() const { return profile.ProgramFolder() + "\\versions"; }
    // The map's versions, newest first.
    std::vector<std::string> Versions(const std::string& map) const {
        std::vector<files::FolderEntry> entries;
        std::string reason;
        files::ListFiles(VersionsFolder(), entries, reason);
        std::vector<std::string> names;
        for (const files::FolderEntry& entry : entries) names.push_back(entry.name);
        return VersionsOfMap(files::FullPath(map), names);
    }
    // Paints a cell of row 1 and saves with Ctrl+S; the file's bytes after each save.
    std::vector<std::string> PaintAndSave(const std::string& map, int times) {
        SetCurrentPath(Wide(map).c_str());
        std::vector<std::string> saved;
        for (int i = 0; i < times; ++i) {
            ClickAt(mainWindow->handle, 85 + 40 * i, 45);
            PressKey('S', true);
            saved.push_back(FileBytes(map));
        }
        return saved;
    }
    ScratchFolder maps{"picoran-versions-" + std::to_string(GetCurrentProcessId())};
};


}  // namespace

// Three saves: the two files the later saves replaced are kept, byte for byte, newest first.
TEST_F(SavedVersionsTest, SavingThreeTimesKeepsTheTwoEarlierFiles) {
    const std::string map = maps / "stage.bin";
    const std::vector<std::string> saved = PaintAndSave(map, 3);
    std::vector<std::string> versions = Versions(map);
    ASSERT_EQ(versions.size(), 2u);
    EXPECT_EQ(FileBytes(VersionsFolder() + "\\" + versions[0]), saved[1]);
    EXPECT_EQ(FileBytes(VersionsFolder() + "\\" + versions[1]), saved[0]);
    EXPECT_NE(saved[0], saved[1]);
    // A save that changes nothing in the file keeps nothing new.
    PressKey('S', true);
    EXPECT_EQ(Versions(map), versions);
    EXPECT_EQ(CountFiles(maps.Path(), "*"), 1);  // nothing beside the map

#ifdef PICORAN_HAS_MAP_TOOL
    // The tool finds the folder as the editor does: the same local application data.
    std::string output;
    ASSERT_EQ(RunMapTool("versions \"" + map + "\"", output), 0u) << output;
    std::vector<std::string> lines;
    for (size_t at = 0; at < output.size();) {
        const size_t end = output.find('\n', at);
        lines.push_back(output.substr(at, end - at));
        at = end == std::string::npos ? output.size() : end + 1;
    }
    ASSERT_EQ(lines.size(), 2u) << output;
    for (size_t i = 0; i < 2; ++i) {
        VersionNameParts parts;
        ASSERT_TRUE(ParseVersionName(versions[i], parts));
        EXPECT_EQ(lines[i], ClockTimeText(parts.time) + "  " + std::to_string(saved[1 - i].size()) +
                                "  " + VersionsFolder() + "\\" + versions[i]);
    }
#endif
}

// 以前の版を開く shows the versions folder; a version opened from there is a map like any
// other, and Ctrl+S asks where to save it, proposing the map it is a version of.
TEST_F(SavedVersionsTest, AVersionOpenedFromTheMenuIsSavedWhereTheDesignerChooses) {
    const std::string map = maps / "stage.bin";
    const std::vector<std::string> saved = PaintAndSave(map, 2);
    const std::vector<std::string> versions = Versions(map);
    ASSERT_EQ(versions.size(), 1u);
    {
        FileDialogWatcher open(Wide(versions[0]));  // the name alone: the dialog is in the folder
        DispatchCommand(ID_FILE_OPEN_VERSION);
        ASSERT_EQ(open.Dialogs().size(), 1u);
        EXPECT_EQ(open.Dialogs()[0].title, L"マップデータファイルを開く");
        EXPECT_EQ(open.Dialogs()[0].fileName, L"");
    }
    const std::string versionPath = VersionsFolder() + "\\" + versions[0];
    ASSERT_EQ(std::wstring(currentPath), Wide(versionPath));
    EXPECT_FALSE(mainWindow->stage.IsModified());

    {
        FileDialogWatcher save(Wide(map));
        MessageBoxWatcher replace(IDYES);  // the dialog's own question: replace stage.bin?
        PressKey('S', true);
        ASSERT_EQ(save.Dialogs().size(), 1u);
        EXPECT_EQ(save.Dialogs()[0].title, L"マップデータファイルを保存");
        EXPECT_EQ(save.Dialogs()[0].fileName, L"stage.bin");
    }
    EXPECT_EQ(FileBytes(map), saved[0]);  // the old version is the map again
    EXPECT_EQ(FileBytes(versionPath), saved[0]);
    EXPECT_EQ(std::wstring(currentPath), Wide(map));
    EXPECT_EQ(Versions(map).size(), 2u);  // what it replaced is kept in turn
}

// A save that fails after the version was kept (the map held open by another program) keeps
// it once, however often it is tried: the twenty versions are not spent on one file.
TEST_F(SavedVersionsTest, ASaveThatFailsKeepsTheOldFileOnce) {
    const std::string map = maps / "stage.bin";
    const std::vector<std::string> saved = PaintAndSave(map, 1);
    HANDLE held = CreateFileA(map.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ClickAt(mainWindow->handle, 85, 85);
    {
        MessageBoxWatcher boxes;
        PressKey('S', true);
        PressKey('S', true);
        PumpMessages();
        ASSERT_EQ(boxes.Boxes().size(), 2u) << "the save did not fail";
    }
    CloseHandle(held);
    EXPECT_EQ(FileBytes(map), saved[0]);
    EXPECT_EQ(Versions(map).size(), 1u);
    PressKey('S', true);
    EXPECT_NE(FileBytes(map), saved[0]);
    const std::vector<std::string> versions = Versions(map);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(FileBytes(VersionsFolder() + "\\" + versions[0]), saved[0]);
}
