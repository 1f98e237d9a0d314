// Reading back the PNG files render writes: the header by hand, the pixels with stb_image,
// a decoder written apart from the encoder the tool uses.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tool_test {

inline uint32_t BigEndian32(const std::vector<uint8_t>& bytes, size_t at) {
    return uint32_t{bytes.at(at)} << 24 | uint32_t{bytes.at(at + 1)} << 16 |
           uint32_t{bytes.at(at + 2)} << 8 | bytes.at(at + 3);
}

// The signature, then an IHDR chunk first: width x height, 8-bit RGB, not interlaced.
inline void ExpectRgbPngHeader(const std::vector<uint8_t>& png, uint32_t width, uint32_t height) {
    const std::vector<uint8_t> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GE(png.size(), 33u);
    ASSERT_EQ(std::vector<uint8_t>(png.begin(), png.begin() + 8), signature);
    EXPECT_EQ(BigEndian32(png, 8), 13u);
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    EXPECT_EQ(BigEndian32(png, 16), width);
    EXPECT_EQ(BigEndian32(png, 20), height);
    EXPECT_EQ(png[24], 8) << "bit depth";
    EXPECT_EQ(png[25], 2) << "colour type: RGB";
    EXPECT_EQ(png[28], 0) << "interlace";
}

// The pixels as width x height RGB triples; false when stb_image refuses the file or finds
// another size or channel count.
bool DecodeRgbPng(const std::vector<uint8_t>& png, uint32_t width, uint32_t height,
                  std::vector<uint8_t>& pixels);

}  // namespace tool_test
