#include <cstring>

#include "ToolTestSupport.h"
#include "render/core/BmpImage.h"

namespace {

using namespace tool_test;

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A width x height BMP whose pixel (x, y), counted from the top, has the colour
// (red 8x + 1, green 8y + 2, blue 255 - x); rows are stored bottom-up unless topDown.
std::vector<uint8_t> MakeBmp(int32_t width, int32_t height, int bits, bool topDown,
                             uint32_t headerSize = 40, uint32_t compression = 0) {
    const bool masks = compression == 3 && headerSize == 40;
    const uint32_t offset = 14 + headerSize + (masks ? 12 : 0);
    const uint32_t stride = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
    std::vector<uint8_t> b(offset + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    Put32(b, 10, offset);
    Put32(b, 14, headerSize);
    Put32(b, 18, static_cast<uint32_t>(width));
    Put32(b, 22, static_cast<uint32_t>(topDown ? -height : height));
    b[26] = 1;
    b[28] = static_cast<uint8_t>(bits);
    Put32(b, 30, compression);
    if (compression == 3) {
        Put32(b, 54, 0x00FF0000u);
        Put32(b, 58, 0x0000FF00u);
        Put32(b, 62, 0x000000FFu);
    }
    for (int32_t y = 0; y < height; ++y) {
        const int32_t fileRow = topDown ? y : height - 1 - y;
        uint8_t* p = &b[offset + stride * fileRow];
        for (int32_t x = 0; x < width; ++x, p += bits / 8) {
            p[0] = static_cast<uint8_t>(255 - x);
            p[1] = static_cast<uint8_t>(8 * y + 2);
            p[2] = static_cast<uint8_t>(8 * x + 1);
            if (bits == 32) p[3] = 0xEE;  // ignored, as GDI ignores it
        }
    }
    return b;
}

void ExpectPattern(const BmpReadResult& read, int32_t width, int32_t height) {
    ASSERT_TRUE(read.surface) << read.error;
    ASSERT_EQ(read.surface->width, width);
    ASSERT_EQ(read.surface->height, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            ASSERT_EQ(read.surface->Pixel(x, y), ((x & 31) << 10) | ((y & 31) << 5) | ((255 - x) >> 3))
                << x << ", " << y;
}

BmpReadResult Read(const std::vector<uint8_t>& b) { return ReadBmpImage(b.data(), b.size()); }

TEST(BmpImage, ReadsTheProgramsPictures) {
    for (const char* name : {"small_sheet.bmp", "large_sheet.bmp", "backdrop.bmp"}) {
        const std::vector<uint8_t> file = ReadBytes(SourcePath(std::string("res/") + name));
        const BmpReadResult read = Read(file);
        ASSERT_TRUE(read.surface) << name << ": " << read.error;
        const bool backdrop = std::strcmp(name, "backdrop.bmp") == 0;
        EXPECT_EQ(read.surface->width, backdrop ? 640 : 512);
        EXPECT_EQ(read.surface->height, backdrop ? 480 : 512);
        // Bottom-up rows of 3-byte pixels after the 54 header bytes: the first stored pixel is
        // the bottom-left one, the last the top-right one.
        const int32_t w = read.surface->width, h = read.surface->height;
        const size_t top = 54 + size_t(3 * w) * (h - 1);
        EXPECT_EQ(read.surface->Pixel(0, h - 1), Rgb555(file[56], file[55], file[54])) << name;
        EXPECT_EQ(read.surface->Pixel(w - 1, 0),
                  Rgb555(file[top + 3 * w - 1], file[top + 3 * w - 2], file[top + 3 * w - 3]))
            << name;
    }
}

TEST(BmpImage, ReadsEveryRowOrderAndPixelSize) {
    ExpectPattern(Read(MakeBmp(5, 3, 24, false)), 5, 3);  // 15-byte rows padded to 16
    ExpectPattern(Read(MakeBmp(5, 3, 24, true)), 5, 3);
    ExpectPattern(Read(MakeBmp(4, 6, 32, false)), 4, 6);
    ExpectPattern(Read(MakeBmp(4, 6, 32, true, 40, 3)), 4, 6);   // masks after the header
    ExpectPattern(Read(MakeBmp(4, 6, 32, false, 124, 3)), 4, 6);  // masks inside a V5 header
    ExpectPattern(Read(MakeBmp(3, 2, 24, false, 108)), 3, 2);
    // The last row's padding may be missing, as some writers leave it off.
    std::vector<uint8_t> short_padding = MakeBmp(5, 3, 24, false);
    short_padding.resize(short_padding.size() - 1);
    ExpectPattern(Read(short_padding), 5, 3);
}

TEST(BmpImage, RefusesDamagedFilesWithoutReadingPastThem) {
    const std::vector<uint8_t> good = MakeBmp(5, 3, 24, false);
    // Every shorter length but the one that only loses the last row's padding.
    for (size_t length = 0; length + 1 < good.size(); ++length) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + length);
        EXPECT_FALSE(Read(cut).surface) << "length " << length;
    }
    struct Patch {
        size_t at;
        uint32_t value;
        const char* what;
    };
    const Patch patches[] = {{0, 0x4D43, "signature"},     {10, 20, "offset inside the headers"},
                             {10, 0xFFFFFFF0u, "offset past the end"},
                             {14, 12, "core header"},      {14, 0xFFFFFFFFu, "header size"},
                             {18, 0, "width 0"},           {18, 0xFFFFFFFBu, "negative width"},
                             {18, 70000, "huge width"},    {22, 0, "height 0"},
                             {22, 0x80000000u, "height INT32_MIN"}, {22, 1000000, "huge height"},
                             {26, 2, "planes"},            {28, 8, "8 bits"},
                             {28, 16, "16 bits"},          {30, 1, "RLE8"},
                             {30, 3, "bit fields at 24 bits"}};
    for (const Patch& patch : patches) {
        std::vector<uint8_t> bad = good;
        if (patch.at == 0) {
            bad[0] = 'C';
        } else {
            Put32(bad, patch.at, patch.value);
        }
        const BmpReadResult read = Read(bad);
        EXPECT_FALSE(read.surface) << patch.what;
        EXPECT_FALSE(read.error.empty()) << patch.what;
    }
    std::vector<uint8_t> odd_masks = MakeBmp(2, 2, 32, false, 40, 3);
    Put32(odd_masks, 54, 0x0000FF00u);
    EXPECT_FALSE(Read(odd_masks).surface);
    // A short header that claims bit fields must not have its masks read past the file.
    std::vector<uint8_t> tiny = MakeBmp(1, 1, 32, false, 40, 3);
    Put32(tiny, 14, 44);
    tiny.resize(14 + 44);
    EXPECT_FALSE(Read(tiny).surface);
    EXPECT_FALSE(ReadBmpImage(nullptr, 0).surface);
}

// Random damage to every byte of the headers: whatever comes out, nothing is read outside
// the buffer (AddressSanitizer watches) and an accepted picture fits the bytes.
TEST(BmpImage, SurvivesRandomDamage) {
    const std::vector<uint8_t> good = MakeBmp(7, 5, 32, true, 40, 3);
    uint32_t seed = 12345;
    for (int round = 0; round < 5000; ++round) {
        std::vector<uint8_t> bad = good;
        for (int k = 0; k < 3; ++k) {
            seed = seed * 1664525u + 1013904223u;
            bad[(seed >> 8) % 70] = static_cast<uint8_t>(seed >> 24);
        }
        seed = seed * 1664525u + 1013904223u;
        bad.resize(bad.size() - (seed >> 8) % 8);
        const BmpReadResult read = Read(bad);
        if (read.surface) EXPECT_LE(size_t(read.surface->width) * read.surface->height * 3, bad.size());
    }
}

}  // namespace
