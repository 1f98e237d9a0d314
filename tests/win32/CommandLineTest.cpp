// A map named on the command line opens at start-up as Open would: the way "Open with", a
// double-click on an associated map and a map dropped on the program's file reach the editor.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "EditorProcess.h"
#include "TestFiles.h"
#include "map/core/MapFileWriter.h"

namespace {

void WriteWide(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

const std::wstring kDefaultCaption = L"ぴこらんエディタ [ぴこらんマップ]";

}  // namespace

// The path is not ASCII and holds a blank; a second map after it is not opened.
TEST(CommandLine, APathThatIsNotAsciiOpensAtStartUp) {
    ProfileFolder profile;
    ScratchFolder maps("picoran-command-line-" + std::to_string(GetCurrentProcessId()));
    const std::wstring path = Wide(maps.Path()) + L"\\ステージ 1.bin";
    const std::wstring ignored = Wide(maps.Path()) + L"\\ignored.bin";
    WriteWide(path, Bytes(WriteBinaryMap(EmptyStageMap())));
    WriteWide(ignored, Bytes(WriteBinaryMap(EmptyStageMap())));

    PROCESS_INFORMATION process{};
    ASSERT_TRUE(StartEditor(L"\"" + path + L"\" \"" + ignored + L"\"", process));
    HWND window = WaitForMainWindow(process.dwProcessId);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitForCaption(window, L"ぴこらんエディタ [" + path + L"]"));
    EXPECT_EQ(CloseEditor(window, process), 0u);
    // Opened as Open opens: it is the first recent map.
    const std::string list = FileBytes(profile.ProgramFolder() + "\\recent-files.txt");
    EXPECT_NE(list.find("\xE3\x82\xB9\xE3\x83\x86\xE3\x83\xBC\xE3\x82\xB8 1.bin\r\n"), std::string::npos) << list;
    EXPECT_EQ(list.find("ignored"), std::string::npos);
}

TEST(CommandLine, ARefusedPathShowsTheErrorAndTheDefaultMapStays) {
    ProfileFolder profile;
    ScratchFolder maps("picoran-command-line-" + std::to_string(GetCurrentProcessId()));
    const std::wstring path = Wide(maps.Path()) + L"\\damaged.bin";
    WriteWide(path, Bytes(WriteBinaryMap(EmptyStageMap())).substr(0, 100));

    PROCESS_INFORMATION process{};
    ASSERT_TRUE(StartEditor(L"\"" + path + L"\"", process));
    HWND error = WaitForProcessWindow(process.dwProcessId, L"#32770", L"ERROR");
    ASSERT_NE(error, nullptr) << "no ERROR box";
    EXPECT_NE(MessageBoxText(error).find(path), std::wstring::npos);
    PostMessageW(error, WM_COMMAND, IDOK, 0);

    HWND window = WaitForMainWindow(process.dwProcessId);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitForCaption(window, kDefaultCaption));
    EXPECT_EQ(CloseEditor(window, process), 0u);
}
