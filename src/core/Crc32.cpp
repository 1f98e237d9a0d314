#include "core/Crc32.h"

#include <array>

namespace {

// One table entry per byte value, built once: eight times faster than a bit at a time, and a
// 12 MB recovery copy is checked on every write.
std::array<uint32_t, 256> MakeTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t value = 0; value < 256; ++value) {
        uint32_t crc = value;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1u) != 0 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
        table[value] = crc;
    }
    return table;
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size) {
    static const std::array<uint32_t, 256> kTable = MakeTable();
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) crc = kTable[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}
