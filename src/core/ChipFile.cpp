#include "core/ChipFile.h"

#include <cstdio>
#include <cstring>

#include "core/Texts.h"

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One "%d" conversion from text at pos. On success advances pos past the number.
// Unsigned arithmetic throughout, so an overlong number wraps instead of overflowing.
bool ReadNumber(const std::string& text, size_t& pos, uint32_t& value) {
    size_t at = pos;
    while (at < text.size() && IsSpace(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    if (at >= text.size() || !IsDigit(text[at])) return false;
    uint32_t magnitude = 0;
    while (at < text.size() && IsDigit(text[at])) {
        magnitude = magnitude * 10u + static_cast<uint32_t>(text[at] - '0');
        ++at;
    }
    value = negative ? 0u - magnitude : magnitude;
    pos = at;
    return true;
}

}  // namespace

ChipFileContents ParseChipFile(const std::string& text) {
    ChipFileContents contents;
    size_t pos = 0;
    uint32_t value = 0;
    if (!ReadNumber(text, pos, value)) return contents;
    contents.hasPaletteSize = true;
    contents.paletteSize = value;
    while (ReadNumber(text, pos, value)) contents.codes.push_back(value);
    return contents;
}

bool ReadChipFile(const char* path, std::string& text) {
    text.clear();
    if (path == nullptr) return false;
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) return false;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

std::string SheetSizeMessage(int32_t width, int32_t height) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, texts::kSheetSizeFormat, static_cast<int>(width),
                  static_cast<int>(height));
    return buffer;
}
