// The room each text of a dialog has: every static text, check box and button is measured in
// the font its dialog gives it (WM_GETFONT) and held against its control's client area.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct TextRoom {
    std::wstring text;
    SIZE needed;     // pixels the text takes, with what its control draws beside it
    SIZE available;  // the control's client area
};

namespace text_room_detail {

inline std::wstring ClassOf(HWND control) {
    wchar_t name[32] = {};
    GetClassNameW(control, name, 32);
    return name;
}

// What a button draws beside its text: a check box its box and a gap of half a digit, a push
// button its edges and a pixel of space on each side.
inline LONG ExtraBesideText(HWND control, HDC dc) {
    const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX) {
        INT digit = 0;
        GetCharWidth32W(dc, L'0', L'0', &digit);
        return MulDiv(13, GetDeviceCaps(dc, LOGPIXELSX), 96) + 1 + digit / 2;
    }
    return 2 * (GetSystemMetrics(SM_CXEDGE) + 1);
}

}  // namespace text_room_detail

inline std::vector<TextRoom> MeasureDialogTexts(HWND dialog) {
    using namespace text_room_detail;
    std::vector<TextRoom> rooms;
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const std::wstring kind = ClassOf(control);
        if (kind != L"Static" && kind != L"Button") continue;
        wchar_t text[256] = {};
        GetWindowTextW(control, text, 256);
        RECT client{};
        GetClientRect(control, &client);
        HDC dc = GetDC(control);
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
        const LONG extra = kind == L"Button" ? ExtraBesideText(control, dc) : 0;
        SIZE size{};
        GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
        if (kind == L"Button" && (GetWindowLongW(control, GWL_STYLE) & BS_MULTILINE) != 0) {
            // A text of several lines is broken to the width beside the box.
            RECT lines{0, 0, client.right - extra, 0};
            DrawTextW(dc, text, -1, &lines, DT_CALCRECT | DT_WORDBREAK);
            size = SIZE{lines.right, lines.bottom};
        }
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        rooms.push_back({text, SIZE{size.cx + extra, size.cy}, SIZE{client.right, client.bottom}});
    }
    return rooms;
}

// Every text of the four settings dialogs within its control (DialogTextFitTest.cpp); the
// editor must be started.
void ExpectEveryDialogTextFits();
