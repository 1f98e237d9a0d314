// Runs a program and keeps its exit code in a file, for run-in-desktop.sh: Wine's explorer
// starts a program inside a new desktop but always ends with code 0 itself, so the test's
// own code has to reach the script another way.
//
//   exit-status STATUS_FILE PROGRAM [ARGS...]
//
// PROGRAM shares this program's standard input, output and error. Once it runs, an empty
// STATUS_FILE.started appears; when it ends, its exit code is written to STATUS_FILE as
// decimal text and this program ends with the same code.
// Exit code 2 (and no file) when PROGRAM cannot be started or on bad usage.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// One argument quoted so that the C runtime's command-line parsing gives it back unchanged.
std::wstring Quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        return argument;
    }
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote itself is escaped.
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    // Backslashes before the closing quote are doubled so that they stay backslashes.
    quoted.append(2 * backslashes, L'\\');
    quoted += L'"';
    return quoted;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: exit-status STATUS_FILE PROGRAM [ARGS...]\n");
        return 2;
    }
    std::wstring commandLine;
    for (int i = 2; i < argc; ++i) {
        if (!commandLine.empty()) commandLine += L' ';
        commandLine += Quoted(argv[i]);
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    // With several desktops starting at once, Wine now and then fails to start a process with
    // an internal error; the same start a moment later succeeds.
    bool started = false;
    DWORD error = 0;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        if (attempt > 0) Sleep(300);
        started = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                 nullptr, &startup, &process) != 0;
        if (!started) error = GetLastError();
    }
    if (!started) {
        std::fwprintf(stderr, L"exit-status: cannot start %ls (error %lu)\n", argv[2], error);
        return 2;
    }
    // A file beside the status file says the program runs, so the script knows a desktop
    // that never got this far from a test that takes its time.
    if (FILE* started = _wfopen((std::wstring(argv[1]) + L".started").c_str(), L"w")) std::fclose(started);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 2;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    FILE* status = _wfopen(argv[1], L"w");
    if (status == nullptr) {
        std::fwprintf(stderr, L"exit-status: cannot write %ls\n", argv[1]);
        return 2;
    }
    std::fprintf(status, "%lu\n", exitCode);
    std::fclose(status);
    return static_cast<int>(exitCode);
}
