// The real program killed as a crash would kill it, after painting and before saving: the
// next start offers the painted map back, and Ctrl+S writes it to the map it belongs to.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "EditorProcess.h"
#include "TestFiles.h"
#include "WideText.h"
#include "files/FileAccess.h"
#include "map/core/MapFileReader.h"
#include "map/core/MapFileWriter.h"

namespace {

// Files by UTF-8 paths, which the narrow C++ streams would take in the ANSI code page.
std::string Contents(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string reason;
    files::ReadWholeFile(path, 1 << 24, bytes, reason);
    return Bytes(bytes);
}

std::vector<std::string> Names(const std::string& folder, const std::string& ending) {
    std::vector<files::FolderEntry> entries;
    std::string reason;
    files::ListFiles(folder, entries, reason);
    std::vector<std::string> names;
    for (const files::FolderEntry& entry : entries)
        if (entry.name.size() >= ending.size() &&
            entry.name.compare(entry.name.size() - ending.size(), ending.size(), ending) == 0)
            names.push_back(entry.name);
    return names;
}

bool WaitFor(const std::function<bool()>& done, int milliseconds = 15000) {
    for (int waited = 0; waited < milliseconds && !done(); waited += 50) Sleep(50);
    return done();
}

// Ctrl+S as the keyboard gives it, to the editor's window in front.
void PressControlS(HWND window) {
    SetForegroundWindow(window);
    INPUT keys[4] = {};
    const WORD codes[4] = {VK_CONTROL, 'S', 'S', VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = codes[i];
        keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, keys, sizeof(INPUT));
}

// An editor the test started; one still running when the test stops early is ended, so that
// the test's desktop can close.
struct RunningEditor {
    PROCESS_INFORMATION info{};
    ~RunningEditor() { Kill(); }
    void Kill() {
        if (info.hProcess == nullptr) return;
        TerminateProcess(info.hProcess, 9);
        WaitForSingleObject(info.hProcess, 10000);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        info = PROCESS_INFORMATION{};
    }
};

class IntervalForThisTest {
public:
    IntervalForThisTest() { SetEnvironmentVariableA("PICORAN_RECOVERY_INTERVAL_MS", "200"); }
    ~IntervalForThisTest() { SetEnvironmentVariableA("PICORAN_RECOVERY_INTERVAL_MS", nullptr); }
};

}  // namespace

TEST(CrashRecovery, PaintedWorkComesBackAfterTheProcessIsKilled) {
    ProfileFolder profile;
    IntervalForThisTest interval;
    ScratchFolder maps("picoran-crash-" + std::to_string(GetCurrentProcessId()));
    const std::wstring map = Wide(maps.Path()) + L"\\ステージ 1.bin";
    const std::string mapUtf8 = maps.Path() + "\\\xE3\x82\xB9\xE3\x83\x86\xE3\x83\xBC\xE3\x82\xB8 1.bin";
    const std::string saved = Bytes(WriteBinaryMap(EmptyStageMap()));
    std::string reason;
    ASSERT_TRUE(files::ReplaceFileContents(mapUtf8, std::vector<uint8_t>(saved.begin(), saved.end()), reason));
    MapDocument painted = EmptyStageMap();
    painted.layer2Ids[1 * 17 + 2] = 1;  // the first large chip, selected at start-up
    const std::string recoveryFolder = profile.ProgramFolder() + "\\recovery";

    RunningEditor first;
    ASSERT_TRUE(StartEditor(L"\"" + map + L"\"", first.info));
    HWND window = WaitForMainWindow(first.info.dwProcessId);
    ASSERT_NE(window, nullptr);
    const std::wstring caption = L"ぴこらんエディタ [" + map + L"]";
    ASSERT_TRUE(WaitFor([&] { return WindowCaption(window) == caption; }));
    POINT cell{85, 45};  // column 2, row 1
    ClientToScreen(window, &cell);
    SetCursorPos(cell.x, cell.y);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(85, 45));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(85, 45));
    EXPECT_EQ(WindowCaption(window), caption + L" *");
    EXPECT_TRUE(WaitFor([&] { return Names(recoveryFolder, ".recovery").size() == 1u; }))
        << "no recovery copy was written";

    first.Kill();  // as a crash would end it: nothing of the program runs any more
    EXPECT_EQ(Contents(mapUtf8), saved);  // the map itself was never touched
    ASSERT_EQ(Names(recoveryFolder, ".recovery").size(), 1u);

    RunningEditor second;
    ASSERT_TRUE(StartEditor({}, second.info));
    HWND question = WaitForProcessWindow(second.info.dwProcessId, L"#32770", L"ぴこらんエディタ");
    ASSERT_NE(question, nullptr) << "the editor did not ask";
    EXPECT_EQ(MessageBoxText(question),
              L"前回、保存されていない変更が残ったまま終了しました。復元しますか？\r\n" + map);
    // It asks once the main window and the palettes are up.
    HWND window2 = WaitForMainWindow(second.info.dwProcessId);
    EXPECT_NE(window2, nullptr);
    EXPECT_NE(WaitForProcessWindow(second.info.dwProcessId, L"#32770", L"Palette 40*40"), nullptr);
    EXPECT_NE(WaitForProcessWindow(second.info.dwProcessId, L"#32770", L"Palette 80*80"), nullptr);
    PostMessageW(question, WM_COMMAND, IDYES, 0);

    EXPECT_TRUE(WaitFor([&] { return WindowCaption(window2) == caption + L" *"; }))
        << "caption: " << Utf8FromWide(WindowCaption(window2));
    PressControlS(window2);
    EXPECT_TRUE(WaitFor([&] { return WindowCaption(window2) == caption; }))
        << "caption: " << Utf8FromWide(WindowCaption(window2));
    EXPECT_EQ(Contents(mapUtf8), Bytes(WriteBinaryMap(painted)));
    EXPECT_EQ(Names(recoveryFolder, ".recovery").size(), 0u);
    // The map saved before the crash is kept as its first version.
    const std::string versions = profile.ProgramFolder() + "\\versions";
    const std::vector<std::string> kept = Names(versions, ".bin");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(Contents(versions + "\\" + kept[0]), saved);

    EXPECT_EQ(CloseEditor(window2, second.info), 0u);
    second.info = PROCESS_INFORMATION{};  // closed, its handles with it
    EXPECT_EQ(Names(recoveryFolder, "").size(), 0u);
}
