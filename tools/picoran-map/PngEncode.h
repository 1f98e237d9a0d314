// 8-bit RGB pictures to PNG bytes with libpng.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Gives row y (0 to height - 1, asked in increasing order) as width RGB triples.
using PngRowSource = std::function<const uint8_t*(uint32_t y)>;

// Encodes a width x height picture into `png`. False, with libpng's reason, on failure.
bool EncodePng(uint32_t width, uint32_t height, const PngRowSource& rows, std::vector<uint8_t>& png,
               std::string& error);
