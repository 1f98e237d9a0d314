#include "core/DecimalText.h"

#include <limits>

DecimalScan ScanDecimal(const char* text, size_t size) {
    DecimalScan scan;
    size_t at = 0;
    const bool negative = size > 0 && text[0] == '-';
    if (size > 0 && (text[0] == '+' || text[0] == '-')) ++at;
    // The low 32 bits in unsigned arithmetic, which wraps; the magnitude in 64 bits, held
    // just past the 32-bit range so that no run of digits can overflow it.
    constexpr uint64_t kBeyond = uint64_t{1} << 31;
    uint32_t low = 0;
    uint64_t magnitude = 0;
    for (; at < size && IsDecimalDigit(text[at]); ++at) {
        const uint32_t digit = static_cast<uint32_t>(text[at] - '0');
        low = low * 10u + digit;
        magnitude = magnitude * 10u + digit;
        if (magnitude > kBeyond) magnitude = kBeyond;
        scan.hasDigits = true;
    }
    scan.length = at;
    if (!scan.hasDigits) return scan;
    scan.low32 = negative ? 0u - low : low;
    const int64_t value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    if (value > std::numeric_limits<int32_t>::max()) {
        scan.saturated = std::numeric_limits<int32_t>::max();
    } else {
        scan.saturated = static_cast<int32_t>(value);  // -2^31 at the lowest, which fits
    }
    return scan;
}

bool ReadDecimalDigits(const char* text, size_t count, int32_t& value) {
    // A sign is no digit here, though ScanDecimal would take one.
    if (count == 0 || !IsDecimalDigit(text[0])) return false;
    const DecimalScan scan = ScanDecimal(text, count);
    if (scan.length != count) return false;
    value = scan.saturated;
    return true;
}
