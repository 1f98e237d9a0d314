// Decimal numbers in text: an optional sign and digits, read the same way by the text map
// reader, the chip file reader and the dialogs' number boxes, which differ only in what they
// make of the result. The one place that turns digits into values.
#pragma once
#include <cstddef>
#include <cstdint>

// The white space that strtol and scanf skip in the C locale, written out so that neither the
// user's locale nor the platform makes a difference.
constexpr bool IsDecimalBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }
// A digit of lower-case hexadecimal, as the program writes hashes into file names.
constexpr bool IsLowerHexDigit(char c) { return IsDecimalDigit(c) || (c >= 'a' && c <= 'f'); }

struct DecimalScan {
    size_t length = 0;       // bytes read: the sign, if any, and the digits after it
    bool hasDigits = false;  // false: no digit follows the sign; the values are then 0
    uint32_t low32 = 0;      // the signed value modulo 2^32: "-1" is 0xFFFFFFFF
    int32_t saturated = 0;   // the value, held at INT32_MIN or INT32_MAX beyond them
};

// Reads an optional '+' or '-', then digits, from the first `size` bytes of text, up to the first
// byte that is not a digit. Blanks are not skipped: a leading blank is no number.
DecimalScan ScanDecimal(const char* text, size_t size);

// The `count` bytes at text as digits only, as the names the program writes spell their
// numbers: no sign, no blank. False when count is 0 or a byte is no digit; value is held at
// INT32_MAX beyond it.
bool ReadDecimalDigits(const char* text, size_t count, int32_t& value);

inline bool AreDecimalDigits(const char* text, size_t count) {
    int32_t value = 0;
    return ReadDecimalDigits(text, count, value);
}
