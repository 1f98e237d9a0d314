// One cell of one layer to be given a new value: what the editing rules (pen, fills,
// stamps, deletes) produce and what the stage applies as one undoable step.
#pragma once
#include <cstdint>
#include <vector>

#include "map/core/MapCell.h"

struct CellWrite {
    uint32_t index = 0;  // row * cellsX + column
    uint8_t layer = 0;   // 0, 1 or 2
    MapCell cell;
};

using CellWrites = std::vector<CellWrite>;
