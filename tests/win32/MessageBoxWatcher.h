// Answers the program's message boxes during a test: each box that opens is read and
// closed with the given button (OK unless told otherwise), or with the next of several
// buttons, the last one for every box after them, so a test can check what the designer
// would have been told.
#pragma once
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(int answer = IDOK) : MessageBoxWatcher(std::vector<int>{answer}) {}
    explicit MessageBoxWatcher(std::vector<int> answers) {
        seen().clear();
        seenWide().clear();
        buttons() = std::move(answers);
        timer = SetTimer(nullptr, 0, 50, OnTimer);
    }
    ~MessageBoxWatcher() { KillTimer(nullptr, timer); }
    // Caption and text of every box closed so far, "caption|text".
    const std::vector<std::string>& Boxes() const { return seen(); }
    // The same read in UTF-16, whatever the system's code page.
    const std::vector<std::wstring>& WideBoxes() const { return seenWide(); }

private:
    UINT_PTR timer;

    static std::vector<std::string>& seen() {
        static std::vector<std::string> boxes;
        return boxes;
    }
    static std::vector<int>& buttons() {
        static std::vector<int> answers;
        return answers;
    }
    static int ButtonFor(size_t box) {
        return buttons().empty() ? IDOK : buttons()[std::min(box, buttons().size() - 1)];
    }
    static std::vector<std::wstring>& seenWide() {
        static std::vector<std::wstring> boxes;
        return boxes;
    }
    static BOOL CALLBACK CloseIfBox(HWND window, LPARAM) {
        char className[32] = {};
        GetClassNameA(window, className, sizeof(className));
        if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
        char caption[256] = {};
        GetWindowTextA(window, caption, sizeof(caption));
        char text[2048] = {};
        GetDlgItemTextA(window, 0xFFFF, text, sizeof(text));  // the box's message text
        if (text[0] == '\0') return TRUE;  // one of the program's own dialogs
        seen().push_back(std::string(caption) + "|" + text);
        wchar_t wideCaption[256] = {};
        GetWindowTextW(window, wideCaption, 256);
        wchar_t wideText[2048] = {};
        GetDlgItemTextW(window, 0xFFFF, wideText, 2048);
        seenWide().push_back(std::wstring(wideCaption) + L"|" + wideText);
        PostMessageA(window, WM_COMMAND, ButtonFor(seen().size() - 1), 0);
        return TRUE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), CloseIfBox, 0);
    }
};
