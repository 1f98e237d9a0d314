// Keyed copies of short pixel rows, eight pixels at a time, as GCC and Clang lay out a vector
// of this type for the machine they build for (SSE2 on x86-64, NEON on ARM), with no
// machine-specific code here. The zoomed-out view and the overview draw thousands of chip
// rows only 2 to 20 pixels wide, too short for the compiler's own loop vectorising to pay.
#pragma once
#include <cstdint>
#include <cstring>

using EightPixels = uint16_t __attribute__((vector_size(16)));

inline EightPixels EightKeys(uint16_t key) {
    EightPixels keys;
    for (int i = 0; i < 8; ++i) keys[i] = key;
    return keys;
}

// The eight destination pixels with each source pixel that is not the key laid over them.
inline EightPixels KeyedOver(const uint16_t* to, const uint16_t* from, EightPixels keys) {
    EightPixels source, destination;
    std::memcpy(&source, from, sizeof(source));
    std::memcpy(&destination, to, sizeof(destination));
    const auto transparent = reinterpret_cast<EightPixels>(source == keys);  // all ones or zero
    return (source & ~transparent) | (destination & transparent);
}

inline void StoreEight(uint16_t* to, EightPixels pixels) { std::memcpy(to, &pixels, sizeof(pixels)); }

inline void KeyedEight(uint16_t* to, const uint16_t* from, EightPixels keys) {
    StoreEight(to, KeyedOver(to, from, keys));
}

// A row of kWidth pixels (at least 8), keyed. A width that is not a multiple of eight ends
// with eight pixels that overlap the ones before: every group is computed from the row as it
// was before any is stored, so the overlapped pixels come out alike from both groups, and
// no group reads pixels just stored (which would stall the store's forwarding).
template <int32_t kWidth>
inline void KeyedRowOfWidth(uint16_t* to, const uint16_t* from, EightPixels keys) {
    static_assert(kWidth >= 8, "a row of at least eight pixels");
    constexpr int32_t kGroups = (kWidth + 7) / 8;
    if constexpr (kWidth % 8 == 0) {
        for (int32_t g = 0; g < kGroups; ++g) KeyedEight(to + 8 * g, from + 8 * g, keys);
    } else {
        EightPixels groups[kGroups];
        for (int32_t g = 0; g < kGroups; ++g) {
            const int32_t at = g + 1 < kGroups ? 8 * g : kWidth - 8;
            groups[g] = KeyedOver(to + at, from + at, keys);
        }
        for (int32_t g = 0; g < kGroups; ++g) StoreEight(to + (g + 1 < kGroups ? 8 * g : kWidth - 8), groups[g]);
    }
}

// `rows` rows of kWidth pixels, keyed, the rows `fromPitch` and `toPitch` bytes apart.
template <int32_t kWidth>
inline void KeyedRowsOfWidth(uint8_t* to, int32_t toPitch, const uint8_t* from, int32_t fromPitch,
                             int32_t rows, uint16_t key) {
    const EightPixels keys = EightKeys(key);
    for (int32_t row = 0; row < rows; ++row, from += fromPitch, to += toPitch)
        KeyedRowOfWidth<kWidth>(reinterpret_cast<uint16_t*>(to), reinterpret_cast<const uint16_t*>(from), keys);
}
