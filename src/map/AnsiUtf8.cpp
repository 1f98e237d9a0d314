#include "map/AnsiUtf8.h"

#include <windows.h>

namespace {

// Through UTF-16, the code pages' common ground; text that does not convert stays as it is.
std::string Convert(const std::string& text, UINT from, UINT to) {
    if (text.empty()) return text;
    const int length = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(from, 0, text.data(), length, nullptr, 0);
    if (wide <= 0) return text;
    std::wstring utf16(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(from, 0, text.data(), length, &utf16[0], wide);
    const int bytes = WideCharToMultiByte(to, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return text;
    std::string converted(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(to, 0, utf16.data(), wide, &converted[0], bytes, nullptr, nullptr);
    return converted;
}

}  // namespace

std::string Utf8FromAnsi(const std::string& ansi) { return Convert(ansi, CP_ACP, CP_UTF8); }

std::string AnsiFromUtf8(const std::string& utf8) { return Convert(utf8, CP_UTF8, CP_ACP); }
