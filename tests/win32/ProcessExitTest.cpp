// The real program: closing its main window ends the process with exit code 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string EditorPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of("\\/") + 1);
    return folder + "picoran-editor.exe";
}

// The main window class is named after the product, "ぴこらんエディタ" in code page 932.
const char kClassName[] = "\x82\xd2\x82\xb1\x82\xe7\x82\xf1\x83\x47\x83\x66\x83\x42\x83\x5e";

HWND WaitForMainWindow(DWORD processId) {
    for (int i = 0; i < 300; ++i) {
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, kClassName, nullptr)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId && IsWindowVisible(window)) return window;
        }
        Sleep(50);
    }
    return nullptr;
}

}  // namespace

TEST(ProcessExit, ClosingTheMainWindowEndsTheProgramWithCodeZero) {
    std::string commandLine = "\"" + EditorPath() + "\" ignored-argument";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    HWND window = WaitForMainWindow(process.dwProcessId);
    ASSERT_NE(window, nullptr) << "the editor's main window never appeared";

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    DWORD exitCode = 1234;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
