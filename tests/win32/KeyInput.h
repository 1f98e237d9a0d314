// Keys as the keyboard delivers them to the window that has the focus: the key-down and key-up
// messages go through the program's message loop (PumpMessages), which turns them into
// characters, with Ctrl and Shift held or not as the keyboard state says.
#pragma once
#include <windows.h>

#include <string>

#include "EditorFixture.h"

inline LPARAM KeyData(WPARAM virtualKey, bool released) {
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC));
    return 1 | (scanCode << 16) | (released ? (LPARAM{1} << 30) | (LPARAM{1} << 31) : 0);
}

// One key pressed and released where the focus is.
inline void Press(WPARAM virtualKey, bool shift = false, bool control = false) {
    SetModifiers(control, shift);
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false));
    PumpMessages();
    PostMessageW(focus, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
    PumpMessages();
    SetModifiers(false, false);
}

// Characters typed where the focus is, each as the character message a key gives.
inline void TypeText(const std::wstring& text) {
    for (wchar_t c : text) {
        PostMessageW(GetFocus(), WM_CHAR, c, 1);
        PumpMessages();
    }
}

// The control id of the window that has the focus.
inline int FocusedId() { return GetDlgCtrlID(GetFocus()); }
