#include "core/ChipFile.h"

#include <cstdio>
#include <cstring>

#include "core/DecimalText.h"

namespace {

// One "%d" conversion from text at pos. On success advances pos past the number.
bool ReadNumber(const std::string& text, size_t& pos, uint32_t& value) {
    size_t at = pos;
    while (at < text.size() && IsDecimalBlank(text[at])) ++at;
    const DecimalScan number = ScanDecimal(text.data() + at, text.size() - at);
    if (!number.hasDigits) return false;
    value = number.low32;  // an overlong number wraps instead of overflowing
    pos = at + number.length;
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
    std::snprintf(buffer, sizeof buffer, "%d %d", static_cast<int>(width), static_cast<int>(height));
    return buffer;
}
