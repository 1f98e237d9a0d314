// One character of code page 932 (Shift_JIS) to UTF-8 and back: with the system's own tables
// on Windows, with iconv elsewhere, so comments read as the editor's Windows shows them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The UTF-8 text of the character in the 1 or 2 bytes given. False when the code has no
// mapping, or when code page 932 maps another code to the same character (it has duplicates,
// such as NEC's and IBM's copies of some symbols): only the code that converts back counts
// as text, so two different comments never show alike.
bool DecodeCp932Character(const uint8_t* bytes, size_t length, std::string& utf8);

// The code page 932 bytes of one character given as UTF-8. False when it has none (no
// best-fit substitutes: a character either converts exactly or not at all).
bool EncodeCp932Character(const std::string& utf8, std::string& bytes);
