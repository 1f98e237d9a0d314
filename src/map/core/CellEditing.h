// Editing cells with the mouse: the left button paints the selected chip into the cell
// under the pointer, the right button takes a cell's chip back as the selected chip.
// MainWindow calls these with the pointer in client pixels and the view's scroll offsets.
#pragma once
#include <cstdint>

#include "core/ChipEntry.h"
#include "map/core/CellWrite.h"
#include "map/core/LayerVisibility.h"
#include "map/core/MapModel.h"
#include "map/core/Stage.h"

// The map cell under view point (x, y): column scrollX + x / 40 and row scrollY + y / 40,
// each division truncated toward zero. Returns false, leaving index alone, when that cell
// lies outside the map; index is then row * cellsX + column.
bool CellAt(const MapModel& map, int32_t scrollX, int32_t scrollY, int32_t x, int32_t y,
            uint32_t& index);

// What a left click writes. A chip id of 0 (the eraser, or an empty palette slot) empties
// the cell in all three layers; any other chip goes into the one layer its entry names.
// Nothing for a click outside the map or a non-zero chip whose layer is not 0, 1 or 2, and
// nothing into a layer that `shown` hides.
CellWrites PlaceChipWrites(const MapModel& map, const ChipEntry& currentChip, int32_t scrollX,
                           int32_t scrollY, int32_t x, int32_t y,
                           const LayerVisibility& shown = LayerVisibility{});

// Left click: those writes through the stage, joining the stroke being drawn if there is
// one. True when a cell changed.
bool PlaceChip(Stage& stage, const ChipEntry& currentChip, int32_t scrollX, int32_t scrollY,
               int32_t x, int32_t y, const LayerVisibility& shown = LayerVisibility{});

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

// Right click: the topmost chip of the cell, looking at layers 0, 1, then 2; a hidden layer's
// chip is passed over, as the designer does not see it.
PickResult PickChip(const MapModel& map, int32_t scrollX, int32_t scrollY, int32_t x, int32_t y,
                    const LayerVisibility& shown = LayerVisibility{});
