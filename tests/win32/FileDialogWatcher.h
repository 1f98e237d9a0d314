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
        std::wstring title;
        std::wstring fileName;                // the file name box as the dialog opened
        std::vector<std::wstring> fileTypes;  // the entries of its file type list
    };

    // An empty answer cancels every dialog; otherwise the answer is typed into the file name
    // box and confirmed.
    explicit FileDialogWatcher(std::wstring answer = {}) {
        state() = State{std::move(answer), {}};
        timer = SetTimer(nullptr, 0, 50, OnTimer);
    }
    ~FileDialogWatcher() { KillTimer(nullptr, timer); }
    const std::vector<Seen>& Dialogs() const { return state().seen; }

private:
    static constexpr int kFileNameBox = 1148;  // the common dialogs' file name combo box
    static constexpr int kFileTypeList = 1136;  // their file type combo box
    struct State {
        std::wstring answer;
        std::vector<Seen> seen;
        HWND answered = nullptr;
    };
    UINT_PTR timer;

    static State& state() {
        static State current;
        return current;
    }
    static BOOL CALLBACK AnswerIfFileDialog(HWND window, LPARAM) {
        wchar_t className[32] = {};
        GetClassNameW(window, className, 32);
        if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
        if (GetDlgItem(window, kFileNameBox) == nullptr || window == state().answered) return TRUE;
        wchar_t title[256] = {};
        GetWindowTextW(window, title, 256);
        wchar_t name[1024] = {};
        GetDlgItemTextW(window, kFileNameBox, name, 1024);
        std::vector<std::wstring> types;
        HWND typeList = GetDlgItem(window, kFileTypeList);
        const LRESULT count = typeList != nullptr ? SendMessageW(typeList, CB_GETCOUNT, 0, 0) : 0;
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t type[256] = {};
            if (SendMessageW(typeList, CB_GETLBTEXTLEN, i, 0) < 256)
                SendMessageW(typeList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(type));
            types.push_back(type);
        }
        state().seen.push_back({title, name, types});
        state().answered = window;
        if (state().answer.empty()) {
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        } else {
            SetDlgItemTextW(window, kFileNameBox, state().answer.c_str());
            PostMessageW(window, WM_COMMAND, IDOK, 0);
        }
        return TRUE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), AnswerIfFileDialog, 0);
    }
};
