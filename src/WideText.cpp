#include "WideText.h"

#include <windows.h>

#include <climits>

namespace {

constexpr UINT kShiftJis = 932;

std::wstring ToWide(UINT codePage, const char* text, size_t length) {
    if (length == 0 || length > INT_MAX) return std::wstring();
    const int size = static_cast<int>(length);
    const int wide = MultiByteToWideChar(codePage, 0, text, size, nullptr, 0);
    if (wide <= 0) return std::wstring();
    std::wstring out(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(codePage, 0, text, size, &out[0], wide);
    return out;
}

std::string FromWide(UINT codePage, const std::wstring& text) {
    if (text.empty() || text.size() > INT_MAX) return std::string();
    const int size = static_cast<int>(text.size());
    // UTF-8 takes no replacement character; Shift_JIS gets an explicit "?".
    const char* replacement = codePage == CP_UTF8 ? nullptr : "?";
    const int bytes =
        WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, replacement, nullptr);
    if (bytes <= 0) return std::string();
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, &out[0], bytes, replacement, nullptr);
    return out;
}

}  // namespace

std::wstring WideFromSjis(const char* text, size_t length) { return ToWide(kShiftJis, text, length); }
std::wstring WideFromSjis(const std::string& text) { return WideFromSjis(text.data(), text.size()); }
std::string SjisFromWide(const std::wstring& text) { return FromWide(kShiftJis, text); }
std::string Utf8FromWide(const std::wstring& text) { return FromWide(CP_UTF8, text); }
std::wstring WideFromUtf8(const std::string& text) { return ToWide(CP_UTF8, text.data(), text.size()); }
