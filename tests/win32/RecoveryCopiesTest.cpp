// Recovery copies in the real editor: written while there are unsaved changes and never in
// the middle of a stroke, removed when the changes are saved or dropped and when the program
// ends, offered back at start-up, and never a bother when the folder cannot be written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "EditorFixture.h"
#include "MessageBoxWatcher.h"
#include "TestFiles.h"
#include "WideText.h"
#include "core/Texts.h"
#include "files/FileAccess.h"
#include "map/CurrentFile.h"
#include "map/RecoveryCopies.h"
#include "map/core/MapFileReader.h"
#include "map/core/MapFileWriter.h"
#include "map/core/RecoveryFile.h"
#include "map/core/RecoveryFolder.h"
#include "resource.h"

namespace {

// A 680 x 480 map with a few chips: a stage that is not the new one.
MapDocument SomeMap(uint32_t chip) {
    MapDocument map = EmptyStageMap();
    map.layer2Ids[20] = chip;
    map.layer0Ids[5] = 100;
    map.startUnspecified = false;
    map.startX = 80;
    map.startY = 120;
    return map;
}

std::string StageBytes() { return Bytes(WriteBinaryMap(mainWindow->stage.Document())); }

RecoveryReadResult ReadCopy(const std::string& path) {
    const std::string bytes = FileBytes(path);
    return ReadRecoveryFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

std::string Caption() { return WindowText(mainWindow->handle); }

class RecoveryCopiesTest : public EditorTest {
protected:
    std::string RecoveryFolder() const { return profile.ProgramFolder() + "\\recovery"; }
    // A copy another editor left behind, as session `name`.
    std::string LeaveCopy(const std::string& name, const std::string& mapPath, const MapDocument& map) {
        const std::string path = RecoveryFolder() + "\\" + RecoveryCopyName(name);
        WriteBytes(path, Bytes(WriteRecoveryFile(mapPath, map)));
        return path;
    }
    ScratchFolder maps{"picoran-recovery-" + std::to_string(GetCurrentProcessId())};
};

const std::string kLeftEarly = "20261209-100000-00000100";
const std::string kLeftLate = "20261209-110000-00000200";

}  // namespace

TEST_F(RecoveryCopiesTest, TheCopyHoldsTheUnsavedChangesAndGoesWithThem) {
    const std::string copy = RecoveryCopyPath();
    ASSERT_FALSE(copy.empty());
    EXPECT_TRUE(files::LockFileIsHeld(RecoveryLockPath()));
    WriteRecoveryCopyIfDue();
    EXPECT_FALSE(FileExists(copy)) << "nothing to keep before a change";

    ClickAt(mainWindow->handle, 85, 45);
    WriteRecoveryCopyIfDue();
    RecoveryReadResult read = ReadCopy(copy);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.mapPath, Utf8FromWide(currentPath));
    EXPECT_EQ(Bytes(WriteBinaryMap(read.document)), StageBytes());

    // The button held: the stroke being drawn is never written; its end is.
    const std::string beforeStroke = FileBytes(copy);
    CurrentChip = ChipEntry{35, 80, 160, 2};
    POINT start{165, 45};
    ClientToScreen(mainWindow->handle, &start);
    SetCursorPos(start.x, start.y);
    SendMessageA(mainWindow->handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(165, 45));
    SendMessageA(mainWindow->handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(245, 45));
    WriteRecoveryCopyIfDue();
    EXPECT_EQ(FileBytes(copy), beforeStroke);
    SendMessageA(mainWindow->handle, WM_LBUTTONUP, 0, MAKELPARAM(245, 45));
    WriteRecoveryCopyIfDue();
    read = ReadCopy(copy);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(Bytes(WriteBinaryMap(read.document)), StageBytes());

    // Undone back to what was saved: nothing is unsaved, the copy goes.
    PressKey('Z', true);
    PressKey('Z', true);
    ASSERT_FALSE(mainWindow->stage.IsModified());
    WriteRecoveryCopyIfDue();
    EXPECT_FALSE(FileExists(copy));

    // Saved: it goes at once.
    const std::string map = maps / "saved.bin";
    ClickAt(mainWindow->handle, 85, 85);
    WriteRecoveryCopyIfDue();
    ASSERT_TRUE(FileExists(copy));
    ASSERT_TRUE(mainWindow->SaveMap(map.c_str()));
    EXPECT_FALSE(FileExists(copy));

    // Dropped by the designer's No before New: it goes too.
    ClickAt(mainWindow->handle, 85, 125);
    WriteRecoveryCopyIfDue();
    ASSERT_TRUE(FileExists(copy));
    {
        MessageBoxWatcher no(IDNO);
        DispatchCommand(ID_FILE_NEW);
        ASSERT_EQ(no.Boxes().size(), 1u);
    }
    EXPECT_FALSE(FileExists(copy));

    // The program ends normally with changes (a test may): copy and lock go.
    ClickAt(mainWindow->handle, 85, 45);
    WriteRecoveryCopyIfDue();
    ASSERT_TRUE(FileExists(copy));
    const std::string lock = RecoveryLockPath();
    Teardown();
    EXPECT_FALSE(FileExists(copy));
    EXPECT_FALSE(FileExists(lock));
    EXPECT_EQ(CountFiles(RecoveryFolder(), "*"), 0);
    ASSERT_TRUE(StartUp());
}

// Several left behind: each is asked about in turn, the oldest first; No removes it. A copy a
// running editor holds is not asked about, and a damaged one is refused as a damaged map is.
TEST_F(RecoveryCopiesTest, EachCopyLeftBehindIsOfferedInTurnAndNoRemovesIt) {
    const std::string early = LeaveCopy(kLeftEarly, maps / "early.bin", SomeMap(3));
    const std::string late = LeaveCopy(kLeftLate, maps / "late.bin", SomeMap(4));
    WriteBytes(RecoveryFolder() + "\\" + RecoveryLockName(kLeftLate), "");  // a power cut's
    const std::string running = "20261209-120000-00000300";
    const std::string live = LeaveCopy(running, maps / "live.bin", SomeMap(5));
    files::LockFile liveLock;
    std::string reason;
    ASSERT_TRUE(liveLock.Create(RecoveryFolder() + "\\" + RecoveryLockName(running), reason)) << reason;
    std::string damagedBytes = Bytes(WriteRecoveryFile(maps / "damaged.bin", SomeMap(6)));
    damagedBytes[40] ^= 1;
    const std::string damaged = RecoveryFolder() + "\\" + RecoveryCopyName("20261209-090000-00000400");
    WriteBytes(damaged, damagedBytes);
    const std::string before = StageBytes();

    MessageBoxWatcher no(IDNO);
    OfferLeftBehindCopies();
    PumpMessages();
    const std::wstring question = WideFromSjis(texts::kRecoveryQuestion);
    ASSERT_EQ(no.WideBoxes().size(), 3u);
    EXPECT_EQ(no.WideBoxes()[0].substr(0, 6), L"ERROR|");
    EXPECT_NE(no.WideBoxes()[0].find(Wide(damaged)), std::wstring::npos);
    EXPECT_EQ(no.WideBoxes()[1], L"ぴこらんエディタ|" + question + L"\r\n" + Wide(maps / "early.bin"));
    EXPECT_EQ(no.WideBoxes()[2], L"ぴこらんエディタ|" + question + L"\r\n" + Wide(maps / "late.bin"));

    EXPECT_FALSE(FileExists(early));
    EXPECT_FALSE(FileExists(late));
    EXPECT_FALSE(FileExists(damaged));
    EXPECT_FALSE(FileExists(RecoveryFolder() + "\\" + RecoveryLockName(kLeftLate)));
    EXPECT_TRUE(FileExists(live));
    EXPECT_EQ(StageBytes(), before);
    EXPECT_FALSE(mainWindow->stage.IsModified());
}

// Yes: the stage is the recovered one, modified, its map the current file; Ctrl+S writes it
// there. A second Yes asks first about the first one's changes; Yes saves them to their map.
TEST_F(RecoveryCopiesTest, YesOpensTheStageAsModifiedAndSaveWritesItToItsMap) {
    const std::string first = maps / "first.bin";
    const std::string second = maps / "second.bin";
    WriteBytes(first, Bytes(WriteBinaryMap(SomeMap(9))));  // what was saved before the crash
    const std::string firstCopy = LeaveCopy(kLeftEarly, first, SomeMap(3));
    const std::string secondCopy = LeaveCopy(kLeftLate, second, SomeMap(4));
    const std::string ownLock = RecoveryLockPath();
    {
        MessageBoxWatcher yes(IDYES);
        OfferLeftBehindCopies();
        ShowChanges();
        PumpMessages();
        ASSERT_EQ(yes.Boxes().size(), 3u);  // restore first?, restore second?, save first?
        EXPECT_EQ(yes.WideBoxes()[2], L"ぴこらんエディタ|マップへの変更を保存しますか？");
    }
    EXPECT_EQ(FileBytes(first), Bytes(WriteBinaryMap(SomeMap(3))));
    EXPECT_FALSE(FileExists(firstCopy));
    EXPECT_EQ(StageBytes(), Bytes(WriteBinaryMap(SomeMap(4))));
    EXPECT_TRUE(mainWindow->stage.IsModified());
    EXPECT_EQ(std::wstring(currentPath), Wide(second));
    EXPECT_EQ(Caption(), std::string(texts::kProductTitle) + " [" + second + "] *");
    // The copy that holds the stage is now this editor's: written already, locked, and its
    // own first session is gone.
    EXPECT_EQ(RecoveryCopyPath(), secondCopy);
    EXPECT_TRUE(FileExists(secondCopy));
    EXPECT_TRUE(files::LockFileIsHeld(RecoveryLockPath()));
    EXPECT_FALSE(FileExists(ownLock));

    PressKey('S', true);
    EXPECT_EQ(FileBytes(second), Bytes(WriteBinaryMap(SomeMap(4))));
    EXPECT_FALSE(mainWindow->stage.IsModified());
    EXPECT_FALSE(FileExists(secondCopy));
    EXPECT_EQ(Caption(), std::string(texts::kProductTitle) + " [" + second + "]");
}

// A folder that cannot be written, or no program folder at all: the designer paints and
// saves as ever and is told nothing.
class UnwritableRecoveryFolder : public EditorTest, public ::testing::WithParamInterface<int> {};

TEST_P(UnwritableRecoveryFolder, ChangesNothingForTheDesigner) {
    Teardown();
    ScratchFolder::Remove(profile.ProgramFolder());
    if (GetParam() == 0) {
        ASSERT_TRUE(CreateDirectoryA(profile.ProgramFolder().c_str(), nullptr));
        WriteBytes(profile.ProgramFolder() + "\\recovery", "a file where the folder should be");
        WriteBytes(profile.ProgramFolder() + "\\versions", "a file where the folder should be");
    } else {
        WriteBytes(profile.ProgramFolder(), "a file where the folder should be");
    }
    ASSERT_TRUE(StartUp());
    EXPECT_TRUE(RecoveryCopyPath().empty());

    ScratchFolder maps("picoran-unwritable-" + std::to_string(GetCurrentProcessId()));
    const std::string map = maps / "stage.bin";
    MessageBoxWatcher boxes;
    ClickAt(mainWindow->handle, 85, 45);
    WriteRecoveryCopyIfDue();
    OfferLeftBehindCopies();
    SetCurrentPath(Wide(map).c_str());
    PressKey('S', true);
    EXPECT_EQ(FileBytes(map), StageBytes());
    ClickAt(mainWindow->handle, 125, 45);
    WriteRecoveryCopyIfDue();
    PressKey('S', true);  // replaces the file: its version cannot be kept
    EXPECT_EQ(FileBytes(map), StageBytes());
    EXPECT_FALSE(mainWindow->stage.IsModified());
    PumpMessages();
    EXPECT_TRUE(boxes.WideBoxes().empty()) << boxes.Boxes()[0];
    EXPECT_EQ(CountFiles(maps.Path(), "*"), 1);
}

INSTANTIATE_TEST_SUITE_P(Obstacles, UnwritableRecoveryFolder, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == 0 ? "FilesInPlaceOfItsFolders"
                                                                : "AFileInPlaceOfTheProgramFolder");
                         });
