#include "core/ChipFile.h"

#include <cstdio>
#include <limits>
#include <vector>

#include "core/DecimalText.h"
#include "core/Texts.h"
#include "files/FileAccess.h"

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
    std::vector<uint8_t> bytes;
    std::string reason;
    // No limit: a palette has always taken its chip file whole.
    if (files::ReadWholeFile(path, std::numeric_limits<size_t>::max(), bytes, reason) !=
        files::ReadStatus::kRead) {
        return false;
    }
    text.assign(bytes.begin(), bytes.end());
    return true;
}

std::string SheetSizeMessage(int32_t width, int32_t height) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, texts::kSheetSizeFormat, static_cast<int>(width),
                  static_cast<int>(height));
    return buffer;
}
