// The main window's caption: "%s [%s]" of the product title and the current map path.
#pragma once
#include <cstddef>

constexpr size_t kCaptionBufferSize = 260;

// Formats the caption into out (capacity bytes, terminated). A path too long for the
// buffer is cut at a character boundary, and the closing bracket is always kept.
void FormatCaption(char* out, size_t capacity, const char* title, const char* path);
