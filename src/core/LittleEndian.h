// Little-endian integers in byte buffers, whatever the host's byte order: the map data file
// and BMP pictures store theirs so. The one place that puts integers together from bytes.
#pragma once
#include <cstdint>
#include <limits>

namespace little_endian {

inline uint16_t Load16(const uint8_t* p) {
    return static_cast<uint16_t>(uint32_t{p[0]} | uint32_t{p[1]} << 8);
}

inline uint32_t Load32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

inline void Store16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

inline void Store32(uint8_t* p, uint32_t v) {
    Store16(p, static_cast<uint16_t>(v));
    Store16(p + 2, static_cast<uint16_t>(v >> 16));
}

// The bit pattern as a signed two's-complement number, by arithmetic, so that no
// implementation-defined narrowing is involved: 0xFFFFFFFF is -1.
constexpr int32_t AsInt32(uint32_t v) {
    if (v <= static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) {
        return static_cast<int32_t>(v);
    }
    return static_cast<int32_t>(v - 0x80000000u) + std::numeric_limits<int32_t>::min();
}

inline int32_t LoadInt32(const uint8_t* p) { return AsInt32(Load32(p)); }

}  // namespace little_endian
