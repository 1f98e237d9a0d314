// The scene the drawing benchmarks share: sheets and a backdrop with one key pixel in every
// seven, so the key test has work to do, and a map with a chip in all three layers of every
// cell, sheet positions varying from cell to cell.
#pragma once
#include <cstdint>

#include "map/core/MapModel.h"
#include "render/core/PixelSurface.h"

inline void FillPattern(PixelSurface& surface, uint16_t salt) {
    for (int32_t y = 0; y < surface.height; ++y)
        for (int32_t x = 0; x < surface.width; ++x)
            surface.SetPixel(x, y, (x + 3 * y) % 7 == 0 ? 0 : static_cast<uint16_t>((salt + x * 5 + y * 11) & 0x7FFF));
    surface.colorKey = 0;
}

struct BenchPictures {
    MemorySurface backdrop{640, 480};
    MemorySurface smallSheet{512, 512};
    MemorySurface largeSheet{512, 512};
    MapModel map;

    BenchPictures(int32_t cellsX, int32_t cellsY) {
        FillPattern(backdrop, 0x100);
        FillPattern(smallSheet, 0x2000);
        FillPattern(largeSheet, 0x4000);
        map.ResizeMap(cellsX * 40, cellsY * 40);
        for (size_t i = 0; i < map.CellCount(); ++i) {
            const auto n = static_cast<int32_t>(i);
            map.Layer(2)[i] = MapCell{1, (n % 6) * 80, (n / 6 % 6) * 80};
            map.Layer(1)[i] = MapCell{2, (n % 12) * 40, (n / 12 % 12) * 40};
            map.Layer(0)[i] = MapCell{3, (n % 11) * 40, (n / 11 % 11) * 40};
        }
    }
};
