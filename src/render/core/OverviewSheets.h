// The chip sheets and the backdrop at the overview's cell size, scaled once for a scale and
// kept, so that each overview is drawn from small pictures instead of scaling the full-size
// map on every change.
#pragma once
#include <cstdint>
#include <memory>

#include "render/core/PixelSurface.h"

// A picture scaled by cellPixels / 40 (1 to 40 pixels for a 40-pixel cell), each output
// pixel the average of its box of source pixels, so that the 40-pixel cells of the sheets
// and of the 640 x 480 backdrop become whole cellPixels cells. The output is floor(width x
// cellPixels / 40) by floor(height x cellPixels / 40) and has the source's colour key.
// keyed: a box more than half of whose pixels are the key stays transparent (the key);
// otherwise its other pixels are averaged, and an average that comes out as the key is moved
// one step off it. Not keyed: key pixels count as black, as the view shows a backdrop copied
// onto black. Null for a cellPixels outside 1 to 40 or a picture too small to give a pixel.
std::unique_ptr<MemorySurface> ScalePicture(const PixelSurface& source, int32_t cellPixels,
                                            bool keyed);

class OverviewSheets {
public:
    // Scales the three pictures to cellPixels a cell (1 to 40), unless they already are at
    // that scale; the pictures are taken to be the same ones every time. False when a
    // picture cannot be scaled; nothing can then be drawn.
    bool Prepare(const PixelSurface& smallSheet, const PixelSurface& largeSheet,
                 const PixelSurface& backdrop, int32_t cellPixels);

    int32_t CellPixels() const { return cellPixels; }  // 0 until prepared
    const PixelSurface& Small() const { return *small; }
    const PixelSurface& Large() const { return *large; }
    const PixelSurface& Backdrop() const { return *backdrop; }

private:
    std::unique_ptr<MemorySurface> small;
    std::unique_ptr<MemorySurface> large;
    std::unique_ptr<MemorySurface> backdrop;
    int32_t cellPixels = 0;
};
