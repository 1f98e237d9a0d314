// 8-bit RGB pictures to PNG bytes with stb_image_write (Debian's libstb-dev), the one encoder
// of both the Linux and the Windows build, so both write the same bytes for the same map.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Gives row y (0 to height - 1, asked in increasing order) as width RGB triples.
using PngRowSource = std::function<const uint8_t*(uint32_t y)>;

// Encodes a width x height picture into `png`. The encoder needs the whole picture at once:
// about four times width x height x 3 bytes are in use while it runs. False, with the reason,
// when the picture is too large for it or memory runs out.
bool EncodePng(uint32_t width, uint32_t height, const PngRowSource& rows, std::vector<uint8_t>& png,
               std::string& error);
