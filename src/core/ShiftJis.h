// Byte-level facts about Shift_JIS (code page 932) text.
#pragma once
#include <cstddef>
#include <cstdint>

// True for the first byte of a double-byte character.
constexpr bool IsShiftJisLeadByte(uint8_t byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// How many of the first `length` bytes of `text` to keep so that at most `maxBytes` are
// kept and no double-byte character is cut in half (a lone lead byte is dropped too).
size_t ShiftJisKeepLength(const char* text, size_t length, size_t maxBytes);
