// The pen's stroke without gaps. The pointer is sampled only now and then, so a quick drag
// reports cells several apart; the stroke paints every cell on the line between two
// successive ones. Large chips in a stroke go on every second column and row counted from
// its first cell, as in a fill, so that a large chip dragged along a row tiles.
#pragma once
#include <vector>

#include "core/ChipEntry.h"
#include "map/core/CellArea.h"
#include "map/core/CellWrite.h"
#include "map/core/MapModel.h"

// The cells the segment from the centre of `from` to the centre of `to` passes through, in
// order, both ends included: |dx| + |dy| + 1 cells, each beside the one before it.
//
// Rule: the cells whose inside the segment crosses (a grid walk, as in voxel traversal),
// not Bresenham's line. Bresenham takes one cell per column of a shallow line and steps
// diagonally, leaving out cells the segment does cross; its strokes then touch only at
// corners, and a bucket fill, which spreads through left, right, up and down neighbours,
// leaks through them. Where the segment runs exactly through a corner of four cells, the cell
// beside it in the direction of the column step is taken, so the stroke stays joined side to
// side there too.
std::vector<CellPoint> CellsOnLine(CellPoint from, CellPoint to);

// What the pen writes on one cell of a stroke begun at `strokeStart`: a small chip into its
// layer; a large chip only on the stroke's stride; the eraser as EraseCellWrites does.
// `pending` are writes not yet applied, read as if they were. Nothing outside the map.
CellWrites PenCellWrites(const MapModel& map, const ChipEntry& chip, CellPoint strokeStart,
                         CellPoint cell, const CellWrites& pending = {});

// The pointer moved from cell `from`, painted already, to cell `to`: the pen's writes on every
// cell of CellsOnLine(from, to) after `from` that lies in `paintable`, each cell seeing the
// writes of those before it. The press itself is PenCellWrites(map, chip, start, start).
CellWrites StrokeSegmentWrites(const MapModel& map, const ChipEntry& chip, CellPoint strokeStart,
                               CellPoint from, CellPoint to,
                               const CellRect& paintable = kEveryCell);

// A straight line from `from` to `to`, both included, as a stroke pressed at `from` and
// dragged at once to `to` paints it: every cell of CellsOnLine that lies in `paintable`,
// large chips on the stride counted from `from`.
CellWrites LineWrites(const MapModel& map, const ChipEntry& chip, CellPoint from, CellPoint to,
                      const CellRect& paintable = kEveryCell);

// The last cell of CellsOnLine(from, to) where a stroke begun at `strokeStart` lays the chip
// down (in `paintable` and the map, on the large chips' stride): true, with `cell`, when there
// is one.
bool LastCellLaidDown(const MapModel& map, const ChipEntry& chip, CellPoint strokeStart,
                      CellPoint from, CellPoint to, const CellRect& paintable, CellPoint& cell);
