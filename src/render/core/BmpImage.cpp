#include "render/core/BmpImage.h"

#include <new>

#include "core/LittleEndian.h"

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
// MemorySurface makes nothing larger; refusing first keeps the message precise.
constexpr int64_t kMaxSide = 65536;

using little_endian::Load16;
using little_endian::Load32;
using little_endian::LoadInt32;

BmpReadResult Refuse(const std::string& why) {
    BmpReadResult result;
    result.error = why;
    return result;
}

// 32-bit pictures may name their channels with masks; only the usual order is read, where
// the masks say exactly what BI_RGB would.
bool MasksAreStandard(const uint8_t* masks) {
    return Load32(masks) == 0x00FF0000u && Load32(masks + 4) == 0x0000FF00u &&
           Load32(masks + 8) == 0x000000FFu;
}

}  // namespace

BmpReadResult ReadBmpImage(const uint8_t* data, size_t size) {
    if (data == nullptr || size < kFileHeaderBytes + kInfoHeaderBytes)
        return Refuse("file of " + std::to_string(size) + " bytes is too short for a BMP header");
    if (data[0] != 'B' || data[1] != 'M') return Refuse("not a BMP file (no \"BM\" at the start)");

    const uint32_t pixelOffset = Load32(data + 10);
    const uint32_t headerSize = Load32(data + 14);
    if (headerSize < kInfoHeaderBytes)
        return Refuse("info header of " + std::to_string(headerSize) + " bytes is not supported");
    if (headerSize > size - kFileHeaderBytes)
        return Refuse("info header of " + std::to_string(headerSize) + " bytes runs past the end");

    const int64_t width = LoadInt32(data + 18);
    const int64_t height = LoadInt32(data + 22);
    const uint32_t planes = Load16(data + 26);
    const uint32_t bits = Load16(data + 28);
    const uint32_t compression = Load32(data + 30);
    if (planes != 1) return Refuse("plane count " + std::to_string(planes) + " is not 1");
    if (bits != 24 && bits != 32)
        return Refuse(std::to_string(bits) + " bits per pixel; only 24 and 32 are read");

    // Where the pixel data may begin: after the headers, and after the masks that a
    // 40-byte header with bit fields is followed by.
    uint64_t headersEnd = kFileHeaderBytes + uint64_t{headerSize};
    if (compression == kBiBitfields && bits == 32) {
        // Inside a longer header or right after a 40-byte one: either way at offset 54.
        const uint64_t masksAt = kFileHeaderBytes + kInfoHeaderBytes;
        if (headersEnd < masksAt + 12) headersEnd = masksAt + 12;
        if (headersEnd > size) return Refuse("bit-field masks run past the end");
        if (!MasksAreStandard(data + masksAt)) return Refuse("bit-field masks are not 8-8-8 RGB");
    } else if (compression != kBiRgb) {
        return Refuse("compression " + std::to_string(compression) + " is not supported");
    }

    if (width <= 0 || width > kMaxSide)
        return Refuse("width " + std::to_string(width) + " is outside 1.." + std::to_string(kMaxSide));
    const int64_t rows = height < 0 ? -height : height;  // negative height: rows top-down
    if (rows == 0 || rows > kMaxSide)
        return Refuse("height " + std::to_string(height) + " gives no row or more than " +
                      std::to_string(kMaxSide));

    if (pixelOffset < headersEnd)
        return Refuse("pixel data offset " + std::to_string(pixelOffset) + " lies inside the headers");
    if (pixelOffset > size)
        return Refuse("pixel data offset " + std::to_string(pixelOffset) + " lies past the end");
    const uint64_t bytesPerPixel = bits / 8;
    const uint64_t stride = (uint64_t(width) * bits + 31) / 32 * 4;  // rows are padded to 4 bytes
    // The last row's padding may be missing; its pixels may not.
    const uint64_t needed = stride * uint64_t(rows - 1) + uint64_t(width) * bytesPerPixel;
    if (size - pixelOffset < needed)
        return Refuse("pixel data needs " + std::to_string(needed) + " bytes from offset " +
                      std::to_string(pixelOffset) + ", the file has " +
                      std::to_string(size - pixelOffset));

    BmpReadResult result;
    result.surface.reset(new (std::nothrow) MemorySurface(static_cast<int32_t>(width),
                                                          static_cast<int32_t>(rows)));
    if (!result.surface || !result.surface->HasSurface()) return Refuse("out of memory");
    const bool topDown = height < 0;
    for (int64_t y = 0; y < rows; ++y) {
        const int64_t fileRow = topDown ? y : rows - 1 - y;
        const uint8_t* p = data + pixelOffset + uint64_t(fileRow) * stride;
        uint16_t* out = result.surface->Row(static_cast<int32_t>(y));
        for (int64_t x = 0; x < width; ++x, p += bytesPerPixel) out[x] = Rgb555(p[2], p[1], p[0]);
    }
    return result;
}
