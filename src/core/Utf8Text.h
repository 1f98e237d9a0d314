// Reading and writing UTF-8 one character at a time, strictly: an overlong form, a surrogate,
// a value past U+10FFFF or a cut sequence is not UTF-8.
#pragma once
#include <cstddef>
#include <string>

// Decodes the character at text[at]; on success stores it, moves `at` past it and returns
// true. On an invalid sequence returns false and leaves `at` as it was.
bool DecodeUtf8Character(const std::string& text, size_t& at, char32_t& character);

// Appends the UTF-8 form of a character (which must be a Unicode scalar value).
void AppendUtf8(std::string& out, char32_t character);

// True when the whole text is valid UTF-8.
bool IsValidUtf8(const std::string& text);

// True for a one-line name such as a path: not empty, valid UTF-8 and free of control
// characters (C0 and DEL), so that it is stored and shown as it is.
bool IsSingleLineUtf8(const std::string& text);
