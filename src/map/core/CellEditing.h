// Editing cells with the mouse: the map cell under a view point, and what a right click
// selects (the pick itself is PickDrawnChip, CoveringChips.h; the pen is PenStroke.h).
#pragma once
#include <cstdint>

#include "core/ChipEntry.h"
#include "map/core/MapModel.h"

// The map cell under view point (x, y): column scrollX + x / 40 and row scrollY + y / 40,
// each division truncated toward zero. Returns false, leaving index alone, when that cell
// lies outside the map; index is then row * cellsX + column.
bool CellAt(const MapModel& map, int32_t scrollX, int32_t scrollY, int32_t x, int32_t y,
            uint32_t& index);

// What a right click selects.
struct PickResult {
    enum class Kind {
        kNothing,  // outside the map: the selection and the palettes stay as they are
        kEraser,   // the cell is empty: select {0, 0, 0, 3}, palettes unchanged
        kChip,     // select `chip`, activate `palette` and move its frame to the highlight
    };
    enum class Palette { kSmall, kLarge };

    Kind kind = Kind::kNothing;
    ChipEntry chip{0, 0, 0, 3};
    Palette palette = Palette::kLarge;  // meaningful for kChip only
    int32_t highlightX = 0;             // palette client pixels: the sheet position halved
    int32_t highlightY = 0;
};
