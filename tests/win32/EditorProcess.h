// The real program started as a user starts it, for tests that watch it from outside: each
// start gets the local application data folder of the test's ProfileFolder (the environment
// is inherited), so nothing it keeps reaches another test.
#pragma once
#include <windows.h>

#include <string>

inline std::wstring EditorPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return folder + L"picoran-editor.exe";
}

// Starts the editor with the given arguments after its quoted path; false when it cannot start.
inline bool StartEditor(const std::wstring& arguments, PROCESS_INFORMATION& process) {
    std::wstring commandLine = L"\"" + EditorPath() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    process = PROCESS_INFORMATION{};
    return CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process) != FALSE;
}

// A visible top-level window of the process with the class (and the caption, when one is
// given), waited for up to 15 s; null when none came.
inline HWND WaitForProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption = nullptr) {
    for (int i = 0; i < 300; ++i) {
        HWND window = nullptr;
        while ((window = FindWindowExW(nullptr, window, className, caption)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId && IsWindowVisible(window)) return window;
        }
        Sleep(50);
    }
    return nullptr;
}

// The main window's class is named after the product.
inline HWND WaitForMainWindow(DWORD processId) {
    return WaitForProcessWindow(processId, L"ぴこらんエディタ");
}

inline std::wstring WindowCaption(HWND window) {
    wchar_t text[1024] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

// Waits up to 10 s for the window's caption to read as given.
inline bool WaitForCaption(HWND window, const std::wstring& caption) {
    for (int i = 0; i < 200 && WindowCaption(window) != caption; ++i) Sleep(50);
    return WindowCaption(window) == caption;
}

// The text of a message box of another process.
inline std::wstring MessageBoxText(HWND box) {
    wchar_t text[2048] = {};
    SendMessageW(GetDlgItem(box, 0xFFFF), WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text));
    return text;
}

// Closes the main window and waits for the process to end; its exit code, or 1234 when it
// did not end within 20 s.
inline DWORD CloseEditor(HWND mainWindow, PROCESS_INFORMATION& process) {
    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    DWORD exitCode = 1234;
    if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}
