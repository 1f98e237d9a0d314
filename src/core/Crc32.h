// The CRC-32 of zlib, PNG and ZIP (reflected polynomial 0xEDB88320): a check value that
// tells a file the program wrote whole from one damaged on the way.
#pragma once
#include <cstddef>
#include <cstdint>

// The CRC-32 of `size` bytes; 0xCBF43926 for the nine bytes "123456789".
uint32_t Crc32(const uint8_t* data, size_t size);
