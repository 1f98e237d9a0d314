#include "render/core/OverviewSheets.h"

#include "map/core/MapCell.h"

namespace {

// Output pixel i covers source pixels [i * 40 / cellPixels, (i + 1) * 40 / cellPixels), so
// the source's 40-pixel cells end exactly on output pixels whatever cellPixels is.
int32_t BoxStart(int32_t i, int32_t cellPixels) { return i * kCellSize / cellPixels; }

// Sums of the 5-5-5 channels of the pixels in one box.
struct ChannelSums {
    uint32_t red = 0, green = 0, blue = 0, count = 0;

    void Add(uint16_t pixel) {
        red += (pixel >> 10) & 31u;
        green += (pixel >> 5) & 31u;
        blue += pixel & 31u;
        ++count;
    }
    // The rounded average; count must not be 0.
    uint16_t Average() const {
        const auto mean = [&](uint32_t sum) { return (sum + count / 2) / count; };
        return static_cast<uint16_t>(mean(red) << 10 | mean(green) << 5 | mean(blue));
    }
};

uint16_t ScaleBox(const PixelSurface& source, int32_t left, int32_t top, int32_t right,
                  int32_t bottom, bool keyed) {
    const uint16_t key = source.colorKey;
    if (right - left == 1 && bottom - top == 1) {  // at full size every pixel stays as it is
        const uint16_t pixel = source.Row(top)[left];
        return !keyed && pixel == key ? uint16_t{0} : pixel;
    }
    ChannelSums sums;
    uint32_t keys = 0;
    for (int32_t y = top; y < bottom; ++y) {
        const uint16_t* row = source.Row(y);
        for (int32_t x = left; x < right; ++x) {
            if (row[x] == key) {
                ++keys;
                if (!keyed) sums.Add(0);
            } else {
                sums.Add(row[x]);
            }
        }
    }
    if (keyed && keys * 2 > keys + sums.count) return key;
    if (sums.count == 0) return key;
    const uint16_t average = sums.Average();
    // Dark pixels may average to the key; a visible pixel must not turn transparent.
    return keyed && average == key ? static_cast<uint16_t>(key ^ 1u) : average;
}

}  // namespace

std::unique_ptr<MemorySurface> ScalePicture(const PixelSurface& source, int32_t cellPixels,
                                            bool keyed) {
    if (!source.HasSurface() || cellPixels < 1 || cellPixels > kCellSize) return nullptr;
    const int32_t width = static_cast<int32_t>(int64_t{source.width} * cellPixels / kCellSize);
    const int32_t height = static_cast<int32_t>(int64_t{source.height} * cellPixels / kCellSize);
    auto scaled = std::make_unique<MemorySurface>(width, height);
    if (!scaled->HasSurface()) return nullptr;
    scaled->colorKey = source.colorKey;
    for (int32_t y = 0; y < height; ++y) {
        const int32_t top = BoxStart(y, cellPixels), bottom = BoxStart(y + 1, cellPixels);
        uint16_t* out = scaled->Row(y);
        for (int32_t x = 0; x < width; ++x)
            out[x] = ScaleBox(source, BoxStart(x, cellPixels), top, BoxStart(x + 1, cellPixels),
                              bottom, keyed);
    }
    return scaled;
}

bool OverviewSheets::Prepare(const PixelSurface& smallSheet, const PixelSurface& largeSheet,
                             const PixelSurface& backdropPicture, int32_t pixels) {
    if (pixels == cellPixels && small && large && backdrop) return true;
    cellPixels = 0;
    small = ScalePicture(smallSheet, pixels, true);
    large = ScalePicture(largeSheet, pixels, true);
    backdrop = ScalePicture(backdropPicture, pixels, false);
    if (!small || !large || !backdrop) return false;
    cellPixels = pixels;
    return true;
}
