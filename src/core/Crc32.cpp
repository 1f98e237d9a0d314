#include "core/Crc32.h"

#include <array>

#include "core/LittleEndian.h"

namespace {

// Eight tables, for eight bytes a step ("slicing by 8"): table 0 is the byte-wise CRC table,
// table k the CRC of a byte followed by k zero bytes. A 12 MB recovery copy is checked on
// every write, and this is several times faster than a byte a step.
using Tables = std::array<std::array<uint32_t, 256>, 8>;

Tables MakeTables() {
    Tables tables{};
    for (uint32_t value = 0; value < 256; ++value) {
        uint32_t crc = value;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1u) != 0 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
        tables[0][value] = crc;
    }
    for (uint32_t value = 0; value < 256; ++value)
        for (size_t k = 1; k < 8; ++k)
            tables[k][value] = (tables[k - 1][value] >> 8) ^ tables[0][tables[k - 1][value] & 0xFFu];
    return tables;
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size) {
    static const Tables kTables = MakeTables();
    uint32_t crc = 0xFFFFFFFFu;
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        const uint32_t low = crc ^ little_endian::Load32(data + i);
        crc = kTables[7][low & 0xFFu] ^ kTables[6][(low >> 8) & 0xFFu] ^
              kTables[5][(low >> 16) & 0xFFu] ^ kTables[4][low >> 24] ^ kTables[3][data[i + 4]] ^
              kTables[2][data[i + 5]] ^ kTables[1][data[i + 6]] ^ kTables[0][data[i + 7]];
    }
    for (; i < size; ++i) crc = kTables[0][(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}
