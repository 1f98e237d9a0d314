// How far the editor's text map reader gets: it reads number after number and stops for good
// at the first text that is not a number or at the end, and everything after that reads as 0
// (chip ids) or keeps the editor's value (size, start position) without a word.
#pragma once
#include <cstddef>
#include <cstdint>

struct TextMapNumbers {
    size_t count = 0;          // numbers read before stopping, at most the limit asked for
    bool stoppedAtText = false;  // stopped at text that is not a number, not at the end
    int32_t line = 1;          // 1-based line where reading stopped
};

// Counts with the reader's rules: white space, an optional sign, at least one digit.
TextMapNumbers CountTextMapNumbers(const char* text, size_t size, size_t limit);
