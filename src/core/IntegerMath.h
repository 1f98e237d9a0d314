// Integer helpers for coordinates worked out in 64 bits, so that no sum or product can wrap.
#pragma once
#include <algorithm>
#include <cstdint>

// Rounds toward minus infinity: floor(value / divisor) for a positive divisor, also for a
// negative value.
inline int64_t FloorDivide(int64_t value, int64_t divisor) {
    const int64_t quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

// A coordinate narrowed back to 32 bits; one past the range stays at its end.
inline int32_t ClampToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}
