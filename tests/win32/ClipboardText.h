// Unicode text on the Windows clipboard, for the tests of copy and paste. The clipboard is the
// whole Wine prefix's: these tests run in one process of their own.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "EditorFixture.h"

// Another program (the end-to-end test's editor opening a menu) may hold it for a moment.
inline bool OpenClipboardSoon() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (OpenClipboard(mainWindow->handle)) return true;
        Sleep(10);
    }
    return false;
}

inline void PutText(const std::wstring& text) {
    ASSERT_TRUE(OpenClipboardSoon());
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

inline std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboardSoon()) return text;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data != nullptr) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}
