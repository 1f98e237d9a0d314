// The shell speaks UTF-16 to Windows while the program's texts and files stay Shift_JIS
// bytes. Every conversion names its code page: 932 for the program's texts and the comment,
// UTF-8 for paths handed to the file functions. The system's ANSI code page plays no part,
// so the editor is the same on every Windows.
#pragma once
#include <cstddef>
#include <string>

// Shift_JIS bytes (code page 932) to UTF-16.
std::wstring WideFromSjis(const char* text, size_t length);
std::wstring WideFromSjis(const std::string& text);
inline std::wstring WideFromSjis(const char* text) { return WideFromSjis(std::string(text)); }

// UTF-16 to Shift_JIS; a character code page 932 cannot hold becomes "?", as on a Japanese
// Windows.
std::string SjisFromWide(const std::wstring& text);

// Between UTF-16 and UTF-8, which the file functions take: no character is lost either way.
std::string Utf8FromWide(const std::wstring& text);
std::wstring WideFromUtf8(const std::string& text);
