// The main window's caption: the product title, a blank and the current map path in square
// brackets, in UTF-16 as the window takes it.
#pragma once
#include <cstddef>
#include <string>

constexpr size_t kCaptionBufferSize = 260;  // UTF-16 units, the terminator included

// The caption within capacity - 1 units: a path too long for it is cut, never inside a
// surrogate pair, and the closing bracket is always kept. A modified map's caption ends in
// " *", which a cut path makes room for too.
std::u16string FormatCaption(const std::u16string& title, const std::u16string& path,
                             size_t capacity = kCaptionBufferSize, bool modified = false);
