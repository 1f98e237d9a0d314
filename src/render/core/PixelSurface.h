// A 16-bit pixel surface in the standard 5-5-5 DIB layout, rows top-down.
// The platform-free half of Texture: the shell puts a DIB section behind it,
// core code and tests put plain memory behind it (MemorySurface).
#pragma once
#include <cstdint>

class PixelSurface {
public:
    uint8_t* pixels = nullptr;      // first byte of row 0; null while there is no surface
    int32_t width = -1;
    int32_t height = -1;
    int32_t pitch = -1;             // bytes from one row to the next, a multiple of 4
    int32_t* rowOffsets = nullptr;  // height entries, entry i = i * pitch; owned
    uint16_t colorKey = 0xFFFF;     // source pixels equal to it are skipped by BlitKeyed

    PixelSurface() = default;
    PixelSurface(const PixelSurface&) = delete;
    PixelSurface& operator=(const PixelSurface&) = delete;
    virtual ~PixelSurface();

    // 2 * width rounded up to a multiple of 4, as a DIB row is stored.
    static int32_t PitchFor(int32_t width) { return (width + (width & 1)) * 2; }

    bool HasSurface() const { return pixels != nullptr && rowOffsets != nullptr; }

    uint16_t* Row(int32_t y) { return reinterpret_cast<uint16_t*>(pixels + rowOffsets[y]); }
    const uint16_t* Row(int32_t y) const {
        return reinterpret_cast<const uint16_t*>(pixels + rowOffsets[y]);
    }
    uint16_t Pixel(int32_t x, int32_t y) const { return Row(y)[x]; }
    void SetPixel(int32_t x, int32_t y, uint16_t value) { Row(y)[x] = value; }

    // Sets every byte of every row to zero (black).
    void Clear();

protected:
    // Points the surface at memory of height * PitchFor(width) bytes and builds the
    // row table. Returns false, leaving the surface empty, when the table cannot be made.
    bool AttachPixels(uint8_t* memory, int32_t newWidth, int32_t newHeight);
    // Forgets the memory and frees the row table; the memory itself belongs to the caller.
    void DetachPixels();
};

// A surface in ordinary heap memory, for code that needs no device context.
class MemorySurface : public PixelSurface {
public:
    MemorySurface(int32_t width, int32_t height);
    ~MemorySurface() override;

private:
    uint8_t* storage = nullptr;
};

// 5-5-5 pixel value from 8-bit channels, the way GDI stores a colour in a 16-bit DIB.
constexpr uint16_t Rgb555(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<uint16_t>(((red >> 3) << 10) | ((green >> 3) << 5) | (blue >> 3));
}
