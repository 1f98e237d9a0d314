#include "ErrorBox.h"

#include "WideText.h"
#include "core/Texts.h"

void ShowErrorBox(HWND owner, const char* textSjis, UINT style) {
    ShowErrorBox(owner, WideFromSjis(textSjis), style);
}

void ShowErrorBox(HWND owner, const std::wstring& text, UINT style) {
    MessageBoxW(owner, text.c_str(), WideFromSjis(texts::kErrorCaption).c_str(), style);
}

std::wstring FilledMessage(const char* formatSjis, std::initializer_list<std::wstring> parts) {
    std::wstring message = WideFromSjis(formatSjis);
    size_t from = 0;
    for (const std::wstring& part : parts) {
        const size_t at = message.find(L"%s", from);
        if (at == std::wstring::npos) break;
        message.replace(at, 2, part);
        from = at + part.size();
    }
    return message;
}

void ShowMessageAbout(HWND owner, const char* formatSjis, std::initializer_list<std::wstring> parts,
                      UINT style) {
    ShowErrorBox(owner, FilledMessage(formatSjis, parts), style);
}
