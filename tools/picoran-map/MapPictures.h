// The three pictures the map view is composed from, read from BMP files as the editor has
// them: 16-bit 5-5-5 surfaces with colour key 0, so black pixels are transparent.
#pragma once
#include <memory>
#include <string>

#include "render/core/PixelSurface.h"

// File names inside a picture folder; the repository's res/ folder holds all three.
constexpr const char kSmallSheetFile[] = "small_sheet.bmp";
constexpr const char kLargeSheetFile[] = "large_sheet.bmp";
constexpr const char kBackdropFile[] = "backdrop.bmp";

struct MapPictures {
    std::unique_ptr<MemorySurface> smallSheet;
    std::unique_ptr<MemorySurface> largeSheet;
    std::unique_ptr<MemorySurface> backdrop;
};

// Reads the three pictures from `folder`. Each chip sheet must be 512 x 512, twice the
// built-in palettes' size, as the editor refuses to start otherwise; the backdrop may have
// any size (the view copies what fits). False with a reason naming the file otherwise.
bool LoadMapPictures(const std::string& folder, MapPictures& pictures, std::string& error);
