#include "dialogs/core/NumberText.h"

#include <limits>

namespace {

constexpr int kBoxTextLimit = 127;  // bytes of a box that take part in the number

// The blanks that strtol skips in the C locale; written out so the user's locale and the
// width of long on either platform play no part.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int32_t ReadBoxNumber(const char* text) {
    if (text == nullptr) return 0;
    int i = 0;
    auto at = [&](int k) { return k < kBoxTextLimit ? text[k] : '\0'; };
    while (at(i) != '\0' && IsBlank(at(i))) ++i;
    bool negative = false;
    if (at(i) == '+' || at(i) == '-') {
        negative = at(i) == '-';
        ++i;
    }
    // Accumulate the magnitude in 64 bits and stop growing once it is past the 32-bit
    // range, so a long run of digits cannot overflow.
    const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
    int64_t magnitude = 0;
    for (; IsDigit(at(i)); ++i) {
        magnitude = magnitude * 10 + (at(i) - '0');
        if (magnitude > limit) magnitude = limit;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

std::string NumberToText(int32_t value) { return std::to_string(value); }
