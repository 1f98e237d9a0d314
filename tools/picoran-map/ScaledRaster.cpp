#include "ScaledRaster.h"

#include "MapRaster.h"
#include "core/DecimalText.h"
#include "render/core/OverviewCompose.h"

bool ParseCellPixels(const std::string& text, int32_t& cellPixels, std::string& error) {
    // One or two digits, "05" as well as "5"; no sign, no blank.
    int32_t value = 0;
    if (text.size() > 2 || !ReadDecimalDigits(text.data(), text.size(), value) ||
        value < kMinScaledCellPixels || value > kMaxScaledCellPixels) {
        error = "--scale takes the pixels a cell as a whole number from " +
                std::to_string(kMinScaledCellPixels) + " to " + std::to_string(kMaxScaledCellPixels) +
                ", not \"" + text + "\"";
        return false;
    }
    cellPixels = value;
    return true;
}

ScaledRaster::ScaledRaster(const MapModel& map, const MapPictures& pictures, int32_t cellPixels) {
    const OverviewScale scale = OverviewScaleAt(map.CellCounts(), cellPixels);
    OverviewSheets sheets;
    if (scale.width <= 0 || scale.height <= 0 ||
        !sheets.Prepare(*pictures.smallSheet, *pictures.largeSheet, *pictures.backdrop, cellPixels))
        return;
    picture = std::make_unique<MemorySurface>(scale.width, scale.height);
    if (!picture->HasSurface()) return;
    ComposeOverview(*picture, sheets, scale, map);
    width = static_cast<uint32_t>(scale.width);
    height = static_cast<uint32_t>(scale.height);
    row.resize(size_t{width} * 3);
}

const uint8_t* ScaledRaster::Row(uint32_t y) {
    const uint16_t* pixels = picture->Row(static_cast<int32_t>(y));
    for (uint32_t x = 0; x < width; ++x) PutRgb(&row[3 * x], pixels[x]);
    return row.data();
}
