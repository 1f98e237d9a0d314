// One palette cell, and the selected chip, which has the same four fields.
#pragma once
#include <cstdint>

struct ChipEntry {
    uint32_t chipId = 1;  // 0 is the empty chip, which paints as the eraser
    uint32_t srcX = 0;    // left edge of the chip's picture in its sheet, sheet pixels
    uint32_t srcY = 0;    // top edge, sheet pixels
    uint32_t layer = 2;   // 0 or 1: small chips; 2: large chips; 3: the eraser of a right click
};

inline bool operator==(const ChipEntry& a, const ChipEntry& b) {
    return a.chipId == b.chipId && a.srcX == b.srcX && a.srcY == b.srcY && a.layer == b.layer;
}

// The eraser as a right click on an empty cell selects it: no chip, from neither sheet.
constexpr ChipEntry kEraserChip{0, 0, 0, 3};
