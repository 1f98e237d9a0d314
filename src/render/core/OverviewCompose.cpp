#include "render/core/OverviewCompose.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/IntegerMath.h"
#include "render/core/Blit.h"
#include "render/core/KeyedPixels.h"
#include "render/core/ViewGeometry.h"

namespace {

// A cell's sheet position at the scaled sheet's size. Positions from the palettes lie on the
// 40-pixel grid and land exactly on scaled cells; any other position lands on the scaled
// pixel it falls in.
int32_t ScaledSheetPixel(int32_t sheetPixel, int32_t cellPixels) {
    return ClampToInt32(FloorDivide(int64_t{sheetPixel} * cellPixels, kCellSize));
}

// The layer arrays the overview draws: null for a hidden layer.
struct ShownLayers {
    const MapCell* layer2;
    const MapCell* layer1;
    const MapCell* layer0;
};

ShownLayers LayersToDraw(const MapModel& map, const LayerVisibility& shown) {
    return ShownLayers{ShownLayerCells(map, shown, 2), ShownLayerCells(map, shown, 1),
                       ShownLayerCells(map, shown, 0)};
}

// The scaled backdrop at the top-left of every block of 16 x 12 cells, on black where the
// backdrop is smaller than a block, within [0, width) x [0, height).
void LayBackdrop(PixelSurface& target, const PixelSurface& backdrop, int32_t cellPixels,
                 int32_t width, int32_t height) {
    const int32_t blockWidth = kViewColumns * cellPixels;
    const int32_t blockHeight = kViewRows * cellPixels;
    for (int32_t y = 0; y < height; ++y) {
        uint16_t* row = target.Row(y);
        const int32_t by = y % blockHeight;
        const uint16_t* source = by < backdrop.height ? backdrop.Row(by) : nullptr;
        const int32_t copy = source != nullptr ? std::min(backdrop.width, blockWidth) : 0;
        for (int32_t x = 0; x < width; x += blockWidth) {
            const int32_t span = std::min(blockWidth, width - x);
            const int32_t copied = std::min(copy, span);
            if (copied > 0) std::memcpy(row + x, source, static_cast<size_t>(copied) * sizeof(uint16_t));
            std::fill(row + x + copied, row + x + span, uint16_t{0});
        }
    }
}

// A row of `count` pixels copied keyed; kCount, when not 0, is the count known to the
// compiler, which then leaves no loop at all.
template <int32_t kCount>
inline void KeyedRow(uint16_t* to, const uint16_t* from, int32_t runtimeCount, EightPixels keys) {
    if constexpr (kCount >= 8) {
        KeyedRowOfWidth<kCount>(to, from, keys);
    } else {
        const int32_t count = kCount > 0 ? kCount : runtimeCount;
        int32_t i = 0;
        for (; i + 8 <= count; i += 8) KeyedEight(to + i, from + i, keys);
        // Pixel by pixel after the last eight: a vector over them would read pixels just
        // stored, which costs more than the few pixels left.
        for (; i < count; ++i) to[i] = from[i] != keys[0] ? from[i] : to[i];
    }
}

// One chip of `size` scaled pixels at (x, y) (not negative), keyed, clipped to the sheet and
// the target. Chips are a few pixels wide and there are thousands of them, so the common
// case of a chip wholly inside both is copied here without the general clipping.
template <int32_t kSize>
void DrawScaledChip(PixelSurface& target, int32_t x, int32_t y, const PixelSurface& sheet,
                    const MapCell& cell, int32_t runtimeSize, int32_t cellPixels) {
    if (cell.chipId == 0) return;
    const int32_t size = kSize > 0 ? kSize : runtimeSize;
    const int32_t left = ScaledSheetPixel(cell.srcX, cellPixels);
    const int32_t top = ScaledSheetPixel(cell.srcY, cellPixels);
    const bool inside = left >= 0 && top >= 0 && left <= sheet.width - size &&
                        top <= sheet.height - size && x <= target.width - size && y <= target.height - size;
    if (!inside) {
        BlitKeyed(target, x, y, sheet, left, top, ClampToInt32(int64_t{left} + size), ClampToInt32(int64_t{top} + size));
        return;
    }
    const uint8_t* fromRow = sheet.pixels + static_cast<size_t>(top) * sheet.pitch + size_t{2} * left;
    uint8_t* toRow = target.pixels + static_cast<size_t>(y) * target.pitch + size_t{2} * x;
    const EightPixels keys = EightKeys(sheet.colorKey);
    for (int32_t row = 0; row < size; ++row, fromRow += sheet.pitch, toRow += target.pitch)
        KeyedRow<kSize>(reinterpret_cast<uint16_t*>(toRow), reinterpret_cast<const uint16_t*>(fromRow), size, keys);
}

// Every cell in row-major order; kPixels is the cell size when the compiler is to know it.
template <int32_t kPixels>
void DrawCells(PixelSurface& target, const OverviewSheets& sheets, const OverviewScale& scale,
               const ShownLayers& layers, uint32_t columns, uint32_t rows) {
    const int32_t p = kPixels > 0 ? kPixels : scale.cellPixels;
    for (uint32_t row = 0; row < rows; ++row) {
        const auto y = static_cast<int32_t>(row * p);
        const size_t rowStart = size_t{row} * scale.cellsX;
        for (uint32_t column = 0; column < columns; ++column) {
            const auto x = static_cast<int32_t>(column * p);
            const size_t i = rowStart + column;
            if (layers.layer2 != nullptr)
                DrawScaledChip<2 * kPixels>(target, x, y, sheets.Large(), layers.layer2[i], 2 * p, p);
            if (layers.layer1 != nullptr)
                DrawScaledChip<kPixels>(target, x, y, sheets.Small(), layers.layer1[i], p, p);
            if (layers.layer0 != nullptr)
                DrawScaledChip<kPixels>(target, x, y, sheets.Small(), layers.layer0[i], p, p);
        }
    }
}

void ComposeWholeCells(PixelSurface& target, const OverviewSheets& sheets, const OverviewScale& scale,
                       const ShownLayers& layers) {
    const int32_t p = scale.cellPixels;
    const int32_t width = std::min(scale.width, target.width);
    const int32_t height = std::min(scale.height, target.height);
    LayBackdrop(target, sheets.Backdrop(), p, width, height);
    const uint32_t rows = std::min<uint32_t>(scale.cellsY, static_cast<uint32_t>(height + p - 1) / p);
    const uint32_t columns = std::min<uint32_t>(scale.cellsX, static_cast<uint32_t>(width + p - 1) / p);
    // The overview's own sizes (8 for 60 x 60, 10 up to 48 x 48) known to the compiler.
    if (p == 8) {
        DrawCells<8>(target, sheets, scale, layers, columns, rows);
    } else if (p == 10) {
        DrawCells<10>(target, sheets, scale, layers, columns, rows);
    } else {
        DrawCells<0>(target, sheets, scale, layers, columns, rows);
    }
}

// The pixel (dx, dy) of a chip drawn at one pixel a cell, over `pixel` unless it is outside
// its sheet or the key.
inline void OverlayChipPixel(uint16_t& pixel, const PixelSurface& sheet, const MapCell& cell,
                             int32_t dx, int32_t dy) {
    if (cell.chipId == 0) return;
    const int64_t x = FloorDivide(cell.srcX, kCellSize) + dx;
    const int64_t y = FloorDivide(cell.srcY, kCellSize) + dy;
    if (x < 0 || y < 0 || x >= sheet.width || y >= sheet.height) return;
    const uint16_t value = sheet.Row(static_cast<int32_t>(y))[x];
    if (value != sheet.colorKey) pixel = value;
}

// Each picture pixel gets what the map shows at one pixel a cell in the cell it samples: the
// backdrop, the large chips of the four cells whose chips reach that cell (up-left, up,
// left, the cell itself: row-major order), then layers 1 and 0. At one pixel a cell this is
// the whole-cell picture; below it, one cell of each picture pixel's span.
void ComposeSampled(PixelSurface& target, const OverviewSheets& sheets, const OverviewScale& scale,
                    const ShownLayers& layers) {
    const int32_t width = std::min(scale.width, target.width);
    const int32_t height = std::min(scale.height, target.height);
    const PixelSurface& backdrop = sheets.Backdrop();
    const PixelSurface& large = sheets.Large();
    const PixelSurface& small = sheets.Small();
    const size_t cellsX = scale.cellsX;
    std::vector<uint32_t> columns(static_cast<size_t>(width));
    std::vector<int32_t> backdropColumns(static_cast<size_t>(width));
    for (int32_t x = 0; x < width; ++x) {
        columns[static_cast<size_t>(x)] = scale.ColumnAt(x);
        const auto bx = static_cast<int32_t>(columns[static_cast<size_t>(x)] % kViewColumns);
        backdropColumns[static_cast<size_t>(x)] = bx < backdrop.width ? bx : -1;
    }
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t row = scale.RowAt(y);
        const auto by = static_cast<int32_t>(row % kViewRows);
        const uint16_t* backdropRow = by < backdrop.height ? backdrop.Row(by) : nullptr;
        const size_t rowStart = row * cellsX;
        const MapCell* here2 = layers.layer2 != nullptr ? layers.layer2 + rowStart : nullptr;
        const MapCell* above2 = here2 != nullptr && row > 0 ? here2 - cellsX : nullptr;
        const MapCell* here1 = layers.layer1 != nullptr ? layers.layer1 + rowStart : nullptr;
        const MapCell* here0 = layers.layer0 != nullptr ? layers.layer0 + rowStart : nullptr;
        uint16_t* out = target.Row(y);
        for (int32_t x = 0; x < width; ++x) {
            const size_t column = columns[static_cast<size_t>(x)];
            const int32_t bx = backdropColumns[static_cast<size_t>(x)];
            uint16_t pixel = backdropRow != nullptr && bx >= 0 ? backdropRow[bx] : 0;
            if (above2 != nullptr) {
                if (column > 0) OverlayChipPixel(pixel, large, above2[column - 1], 1, 1);
                OverlayChipPixel(pixel, large, above2[column], 0, 1);
            }
            if (here2 != nullptr) {
                if (column > 0) OverlayChipPixel(pixel, large, here2[column - 1], 1, 0);
                OverlayChipPixel(pixel, large, here2[column], 0, 0);
            }
            if (here1 != nullptr) OverlayChipPixel(pixel, small, here1[column], 0, 0);
            if (here0 != nullptr) OverlayChipPixel(pixel, small, here0[column], 0, 0);
            out[x] = pixel;
        }
    }
}

}  // namespace

void ComposeOverview(PixelSurface& target, const OverviewSheets& sheets, const OverviewScale& scale,
                     const MapModel& map, const LayerVisibility& shown) {
    if (!target.HasSurface() || !map.HasLayers() || scale.width <= 0 || scale.height <= 0) return;
    if (sheets.CellPixels() != SheetCellPixels(scale)) return;
    const MapCellCounts counts = map.CellCounts();
    if (counts.cellsX != scale.cellsX || counts.cellsY != scale.cellsY) return;
    const ShownLayers layers = LayersToDraw(map, shown);
    // At one pixel a cell every chip is a pixel or four, cheaper to look up pixel by pixel.
    if (scale.cellPixels > 1) {
        ComposeWholeCells(target, sheets, scale, layers);
    } else {
        ComposeSampled(target, sheets, scale, layers);
    }
}
