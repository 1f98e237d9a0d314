// The two chip tables built into the program, and how a chip code and the palette
// constructor's packed cell argument are read.
#pragma once
#include <cstdint>

#include "core/ChipEntry.h"

// Value 0 is the palette size (side of the client area in pixels); then one chip code
// per cell, row by row from the top, left to right.
constexpr uint32_t kSmallChipTableLength = 145;  // 12 x 12 cells of layers 0 and 1
constexpr uint32_t kLargeChipTableLength = 37;   // 6 x 6 cells of layer 2
extern const uint32_t SmallChipTable[kSmallChipTableLength];
extern const uint32_t LargeChipTable[kLargeChipTableLength];

// What each palette is constructed with (see CellSizeFromArgument): the small palette has
// cells of 20 client pixels and starts inactive, the large one cells of 40 and starts active.
constexpr uint32_t kSmallPaletteArgument = 20;
constexpr uint32_t kLargePaletteArgument = 0xFF28;

// chip code = chipId + 1000 * layer. Unsigned comparisons: every code from 2000 up is
// layer 2, so a negative number read from a chip file lands in layer 2. srcX/srcY are 0.
ChipEntry DecodeChipCode(uint32_t code);

// The constructor argument packs the cell size (low 8 bits) and the active flag
// (any of bits 8 to 15): 20 is cell size 20, inactive; 0xFF28 is 40, active.
uint32_t CellSizeFromArgument(uint32_t packed);
bool ActiveFromArgument(uint32_t packed);
