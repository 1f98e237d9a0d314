// What is in hand besides the one chip: a terrain set taken from the window "地形", or the
// random brush's chips gathered with Ctrl+click in a palette. Each notes what it changed.
#pragma once
#include <cstddef>

#include "core/ChipEntry.h"
#include "map/core/tools/MapTool.h"

// The set goes in hand; the set's full chip becomes the chip in hand, framed in the small
// palette, so the pen lays that down. The caller chooses the terrain tool.
void TakeTerrainInHand(size_t set);
// F7, the menu and the terrain tool: the window "地形" shown.
void ShowTerrainWindow();
// A palette click has put `picked` in hand (CurrentChip) in place of `before`: with Ctrl the
// chip joins the random brush's chips, or leaves them; without, it is the one chip in hand.
void TakePaletteChip(const ChipEntry& before, bool control);
// A right-click pick has put a chip in hand: the set it belongs to becomes the chosen one.
void ChooseTerrainOfChipInHand();
// What a tool step says of the terrain stroke: the count of substitutes shown.
void NoteTerrainStep(const ToolStep& step);
