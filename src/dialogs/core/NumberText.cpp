#include "dialogs/core/NumberText.h"

#include "core/DecimalText.h"

namespace {

constexpr size_t kBoxTextLimit = 127;  // bytes of a box that count towards the number

}  // namespace

int32_t ReadBoxNumber(const char* text) {
    if (text == nullptr) return 0;
    size_t size = 0;
    while (size < kBoxTextLimit && text[size] != '\0') ++size;
    size_t at = 0;
    while (at < size && IsDecimalBlank(text[at])) ++at;
    return ScanDecimal(text + at, size - at).saturated;  // no digits give 0
}

std::string NumberToText(int32_t value) { return std::to_string(value); }
