// Answers the program's file dialogs during a test, as a designer would: each dialog that
// opens is read (its title and its file name box) and then either given a file name and
// confirmed, or cancelled.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class FileDialogWatcher {
public:
    struct Seen {
        std::string title;
        std::string fileName;  // the file name box as the dialog opened
    };

    // An empty answer cancels every dialog; otherwise the answer is typed into the file name
    // box and confirmed.
    explicit FileDialogWatcher(std::string answer = "") {
        state() = State{std::move(answer), {}};
        timer = SetTimer(nullptr, 0, 50, OnTimer);
    }
    ~FileDialogWatcher() { KillTimer(nullptr, timer); }
    const std::vector<Seen>& Dialogs() const { return state().seen; }

private:
    static constexpr int kFileNameBox = 1148;  // the common dialogs' file name combo box
    struct State {
        std::string answer;
        std::vector<Seen> seen;
        HWND answered = nullptr;
    };
    UINT_PTR timer;

    static State& state() {
        static State current;
        return current;
    }
    static BOOL CALLBACK AnswerIfFileDialog(HWND window, LPARAM) {
        char className[32] = {};
        GetClassNameA(window, className, sizeof(className));
        if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
        if (GetDlgItem(window, kFileNameBox) == nullptr || window == state().answered) return TRUE;
        char title[256] = {};
        GetWindowTextA(window, title, sizeof(title));
        char name[1024] = {};
        GetDlgItemTextA(window, kFileNameBox, name, sizeof(name));
        state().seen.push_back({title, name});
        state().answered = window;
        if (state().answer.empty()) {
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        } else {
            SetDlgItemTextA(window, kFileNameBox, state().answer.c_str());
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
        return TRUE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), AnswerIfFileDialog, 0);
    }
};
