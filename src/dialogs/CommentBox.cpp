#include "dialogs/CommentBox.h"

#include <commctrl.h>

#include <cstdio>
#include <utility>
#include <vector>

#include "WideText.h"
#include "core/Texts.h"
#include "dialogs/core/CommentLimit.h"
#include "dialogs/core/StageValues.h"
#include "resource.h"

namespace {

constexpr UINT kShiftJis = 932;

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The box's text, its characters (a surrogate pair is one) and where each begins in the text.
struct BoxText {
    std::wstring text;
    CommentCharacters characters;
    std::vector<size_t> starts;  // one more than characters: the last is the text's end
};

// No best fit: a character the code page cannot hold exactly is one it lacks.
CommentCharacter CharacterOf(const wchar_t* units, int count) {
    const char32_t code = count == 2 ? 0x10000 + ((static_cast<char32_t>(units[0]) - 0xD800) << 10) +
                                           (static_cast<char32_t>(units[1]) - 0xDC00)
                                     : static_cast<char32_t>(units[0]);
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, units, count, bytes,
                                           sizeof bytes, nullptr, &usedDefault);
    return {code, length > 0 && !usedDefault ? std::string(bytes, static_cast<size_t>(length))
                                             : std::string()};
}

BoxText Split(std::wstring text) {
    BoxText box{std::move(text), {}, {}};
    size_t at = 0;
    while (at < box.text.size()) {
        const int count = IsHighSurrogate(box.text[at]) && at + 1 < box.text.size() &&
                                  IsLowSurrogate(box.text[at + 1])
                              ? 2
                              : 1;
        box.starts.push_back(at);
        box.characters.push_back(CharacterOf(&box.text[at], count));
        at += static_cast<size_t>(count);
    }
    box.starts.push_back(at);
    return box;
}

BoxText ReadBox(HWND box) {
    std::vector<wchar_t> text(static_cast<size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    const int length = GetWindowTextW(box, text.data(), static_cast<int>(text.size()));
    return Split(std::wstring(text.data(), length > 0 ? static_cast<size_t>(length) : 0));
}

void ShowBytesLeft(HWND dialog, size_t bytes) {
    const int left = bytes < kCommentBoxLimit ? static_cast<int>(kCommentBoxLimit - bytes) : 0;
    char text[64];
    std::snprintf(text, sizeof text, texts::kCommentBytesLeftFormat, left);
    SetDlgItemTextW(dialog, IDC_MESSAGE_BYTES_LEFT, WideFromSjis(text).c_str());
}

// What the watch keeps of the box: its text after the last change that stood, and whether the
// program is writing it (a multi-line box reports no EN_CHANGE for that, so the box itself is
// watched for WM_SETTEXT).
struct CommentBoxState {
    BoxText accepted;
    bool programWriting = false;
};
constexpr UINT_PTR kWatchId = 1;
constexpr wchar_t kStateProperty[] = L"picoran-comment-box";  // the box's state, for EN_CHANGE

void Accept(HWND box, CommentBoxState& state, BoxText text) {
    ShowBytesLeft(GetParent(box), CommentByteCount(text.characters));
    state.accepted = std::move(text);
}

LRESULT CALLBACK CommentBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR data) {
    CommentBoxState* state = reinterpret_cast<CommentBoxState*>(data);
    if (message == WM_SETTEXT) {
        state->programWriting = true;
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        state->programWriting = false;
        Accept(box, *state, ReadBox(box));
        return result;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, CommentBoxProc, kWatchId);
        RemovePropW(box, kStateProperty);
        delete state;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

void StartWatching(HWND box) {
    CommentBoxState* state = new CommentBoxState;
    if (!SetWindowSubclass(box, CommentBoxProc, kWatchId, reinterpret_cast<DWORD_PTR>(state))) {
        delete state;
        return;
    }
    SetPropW(box, kStateProperty, state);
    Accept(box, *state, ReadBox(box));
}

// A change the designer made: what passes the limit is taken out again, and the change that
// takes it out comes back here and finds the text as accepted.
void CheckChange(HWND box) {
    CommentBoxState* watched = static_cast<CommentBoxState*>(GetPropW(box, kStateProperty));
    if (watched == nullptr) return;
    CommentBoxState& state = *watched;
    if (state.programWriting) return;
    BoxText now = ReadBox(box);
    const CommentChange change =
        FitCommentChange(state.accepted.characters, now.characters, kCommentBoxLimit);
    if (change.kept == change.inserted) {
        Accept(box, state, std::move(now));
        return;
    }
    const size_t from = now.starts[change.head + change.kept];
    const size_t to = now.starts[change.head + change.inserted];
    state.accepted = Split(now.text.substr(0, from) + now.text.substr(to));
    SendMessageW(box, EM_SETSEL, from, to);
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
}

}  // namespace

void WatchCommentBox(HWND dialog, UINT message, WPARAM wParam) {
    HWND box = GetDlgItem(dialog, IDC_MESSAGE_TEXT);
    if (box == nullptr) return;
    if (message == WM_INITDIALOG) StartWatching(box);
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_MESSAGE_TEXT && HIWORD(wParam) == EN_CHANGE)
        CheckChange(box);
}

std::string CommentBytesOfBox(HWND dialog) {
    return CommentBytes(ReadBox(GetDlgItem(dialog, IDC_MESSAGE_TEXT)).characters);
}
