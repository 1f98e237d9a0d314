// The whole map at a chosen number of pixels a cell, composed by the editor's overview code,
// so a picture of the overview's size has the overview's pixels (without the view's frame
// and the start marker, which are the editor's alone).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "MapPictures.h"
#include "map/core/MapModel.h"

constexpr int32_t kMinScaledCellPixels = 1;
constexpr int32_t kMaxScaledCellPixels = 40;  // the full size: the chips as they are

// "--scale N": a whole number from 1 to 40. False, with the reason, for anything else.
bool ParseCellPixels(const std::string& text, int32_t& cellPixels, std::string& error);

class ScaledRaster {
public:
    // cellsX * cellPixels by cellsY * cellPixels pixels, composed at once; the map must pass
    // MapRaster::SizeIsRenderable at this cell size first. Empty (Width() 0) when memory runs
    // out or a picture cannot be scaled.
    ScaledRaster(const MapModel& map, const MapPictures& pictures, int32_t cellPixels);

    uint32_t Width() const { return width; }
    uint32_t Height() const { return height; }
    // Row y (below Height()) as Width() RGB triples, valid until the next call.
    const uint8_t* Row(uint32_t y);

private:
    uint32_t width = 0;
    uint32_t height = 0;
    std::unique_ptr<MemorySurface> picture;
    std::vector<uint8_t> row;
};
