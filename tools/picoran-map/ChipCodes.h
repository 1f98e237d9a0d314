// Chips named on the command line by their chip codes (chipId + 1000 x layer), as the palettes
// and the terrain file name them, and chips of a map named back by their codes.
#pragma once
#include <cstdint>
#include <string>

#include "EditorPalettes.h"
#include "core/ChipEntry.h"

// The palette cell of a chip code given as decimal text; the eraser for the empty cell's codes
// 0, 1000 and 2000 when `eraserAllowed`. False with the reason ("chip code 1500 is in neither
// chip table") for text that is not a code, a code in neither table or, unless allowed, the
// empty cell.
bool ChipOfCode(const std::string& text, const EditorPalettes& palettes, bool eraserAllowed,
                ChipEntry& chip, std::string& reason);

// How a command names the chip id of a layer: its chip code, or "layer L chip ID" for an id of
// layer 0 or 1 from 1000 up, whose code would name another layer's chip.
std::string ChipName(int32_t layer, uint32_t chipId);
