// The whole map as one picture, composed as the editor's map view shows it: view block by view
// block with the view's own composition routine, so the tool and the editor always agree.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "MapPictures.h"
#include "map/core/MapModel.h"
#include "render/core/ViewGeometry.h"

// Limits on the picture: a 60 x 60 map is 2400 x 2400 pixels. The PNG encoder holds the whole
// picture several times over (see PngEncode.h), so 25 million pixels (a 125 x 125 map) keep
// it to a few hundred MB, and the sides stay within what common image programs open.
constexpr uint64_t kMaxRasterPixels = 25'000'000;
constexpr uint32_t kMaxRasterSide = 65535;

// 5-bit channel to 8 bits, spreading the value over the whole range (31 becomes 255).
constexpr uint8_t ExpandChannel(uint32_t value5) {
    return static_cast<uint8_t>((value5 << 3) | (value5 >> 2));
}

// A 15-bit pixel as three bytes, red first.
inline void PutRgb(uint8_t* out, uint16_t pixel) {
    out[0] = ExpandChannel((pixel >> 10) & 31u);
    out[1] = ExpandChannel((pixel >> 5) & 31u);
    out[2] = ExpandChannel(pixel & 31u);
}

class MapRaster {
public:
    // The picture is cellsX * 40 by cellsY * 40 pixels: pixels of a width or height that are
    // not a whole cell show no cell in the editor either. With `grid`, the editor's grid lies
    // on every cell border, from the same segments (two green pixels: the one before and the
    // one on each multiple of 40). The map and pictures must outlive this,
    // and the map must pass SizeIsRenderable first: one strip of the picture is allocated here.
    MapRaster(const MapModel& map, const MapPictures& pictures, bool grid);

    // False, with the reason, when the picture at cellPixels a cell would exceed the limits
    // above.
    static bool SizeIsRenderable(const MapModel& map, std::string& error,
                                 int32_t cellPixels = kCellSize);

    uint32_t Width() const { return width; }
    uint32_t Height() const { return height; }

    // Row y (below Height()) as Width() RGB triples, valid until the next call. Rows are
    // cheapest in increasing order: each block row of 480 pixels is composed once.
    const uint8_t* Row(uint32_t y);

private:
    const MapModel& map;
    const MapPictures& pictures;
    bool grid;
    uint32_t width;
    uint32_t height;
    MemorySurface view{kViewWidth, kViewHeight};
    std::vector<uint8_t> strip;     // one block row: Width() x 480 RGB
    int64_t stripIndex = -1;        // block row held in `strip`

    void ComposeStrip(uint32_t blockRow);
    void DrawGrid(int32_t scrollX, int32_t scrollY);
};
