// Answers the program's message boxes during a test: each box that opens is read and
// closed with the given button (OK unless told otherwise), so a test can check what the
// designer would have been told.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(int answer = IDOK) {
        seen().clear();
        seenWide().clear();
        button() = answer;
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
    static int& button() {
        static int answer = IDOK;
        return answer;
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
        PostMessageA(window, WM_COMMAND, button(), 0);
        return TRUE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), CloseIfBox, 0);
    }
};
