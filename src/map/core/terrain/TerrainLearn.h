// Learning a terrain set from chips painted in the map: the designer lays the set's chips out
// in a 4 x 4 block in the template's order, and the corners of each chip follow from where it
// stands. The template's corner points form one shape (5 x 5 points, '#' inside):
//
//   ..#..      so its cells, row by row, have the corners   ....  .##.  #.##  ...#
//   ..##.                                                   ..##  .#.#  ##..  #.#.
//   ##..#                                                   ####  #..#  ..#.  .###
//   ##.##                                                   ##.#  #...  .#..  ###.
//   #...#
//
// Every combination comes once, the top-left cell is the empty one, and a block painted
// right looks like one seamless patch of the terrain.
#pragma once
#include <string>
#include <vector>

#include "core/PaletteModel.h"
#include "map/core/CellArea.h"
#include "map/core/MapModel.h"
#include "map/core/terrain/TerrainSet.h"

constexpr int kTemplateSide = 4;

// The corners of the template's cell at (column, row).
uint8_t TemplateCorners(int column, int row);

// The set the block with its top-left cell at `at` holds, in the small layer whose 15 cells
// all hold a chip. False with `error` when the block leaves the map, neither or both small
// layers fill it, a chip is not in the small palette's table or stands in two cells. Notes
// that do not stop it (a chip in the empty cell) go to `warnings`.
bool LearnTerrainSet(const MapModel& map, CellPoint at, const std::string& name,
                     const PaletteModel& smallPalette, TerrainSet& set, std::string& error,
                     std::vector<std::string>& warnings);
