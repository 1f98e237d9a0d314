// The terrain file, data/terrains.json beside the program: the sets the terrain brush paints.
//
//   {"terrains": [{"name": "地面", "layer": 1,
//                  "chips": [{"chip": 1002, "corners": "####"},
//                            {"chip": 1004, "corners": "####", "weight": 0.25}, ...]}]}
//
// A chip is named by its chip code; its corners are four marks, top-left, top-right,
// bottom-right, bottom-left, '#' inside the terrain and '.' outside. Chips with the same
// corners are variations, chosen at random by their weights (1 when not given). The file is
// taken whole or refused whole: the first fault refuses it with its place as a JSON Pointer.
#pragma once
#include <cstddef>
#include <string>

#include "core/PaletteModel.h"
#include "map/core/terrain/TerrainSet.h"

// Longer texts are refused before they are parsed: a real file holds a few dozen sets.
constexpr size_t kMaxTerrainFileBytes = 4u * 1024u * 1024u;

// The sets the text describes, their chips looked up in the palettes' chip tables. False,
// leaving `sets` as it was, with `error` saying why and where, for text that is not JSON,
// another shape, a chip code in neither table or of another layer than its set's (layer 0 or
// 1), a chip in two places, corners that are not four marks or all outside, a weight that is
// not a positive number, a set without chips and a name used twice.
bool ReadTerrainSets(const std::string& text, const PaletteModel& smallPalette,
                     const PaletteModel& largePalette, TerrainSets& sets, std::string& error);

// One set as the file writes it, indented to stand in the "terrains" array.
std::string TerrainSetJson(const TerrainSet& set);
