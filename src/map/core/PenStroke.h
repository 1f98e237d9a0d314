// The pen's drag, from the press to the release: what it writes on the cell pressed and on every
// cell of the line from one pointer sample to the next, so a quick drag leaves no holes. Large
// chips go on the stride counted from the cell pressed (StrokeLine.h). It remembers the last
// cell where a stroke laid its chip down, for a Shift+click to draw on from there.
#pragma once
#include "core/ChipEntry.h"
#include "map/core/CellArea.h"
#include "map/core/CellWrite.h"
#include "map/core/MapModel.h"

class PenStroke {
public:
    // The press on `cell`: what the pen writes there, nothing when the cell lies outside
    // `paintable` (the cells the designer sees) or the map.
    CellWrites Begin(const MapModel& map, const ChipEntry& chip, CellPoint cell,
                     const CellRect& paintable);
    // A press that goes on from `from` (the last cell laid down): the straight line to `cell`,
    // its large chips on the stride counted from `from`; the stroke then continues from `cell`.
    CellWrites BeginLine(const MapModel& map, const ChipEntry& chip, CellPoint from, CellPoint cell,
                         const CellRect& paintable);
    // The pointer seen over `cell`, which may lie outside the view: the writes on every cell of
    // the line from the cell seen last, those outside `paintable` left out. Nothing when the
    // stroke is not on, the pointer is still over the same cell, or both cells lie outside
    // `paintable`: the pointer may then have gone round the view rather than across it.
    CellWrites MoveTo(const MapModel& map, const ChipEntry& chip, CellPoint cell,
                      const CellRect& paintable);
    void End() { active = false; }
    bool Active() const { return active; }

    // The last cell where a stroke laid its chip down (a large chip on its stride), if any.
    bool LastLaidDown(CellPoint& cell) const;
    // A new map: no cell is remembered.
    void Forget() { laidDown = false; }

private:
    bool active = false;
    CellPoint start;
    CellPoint last;
    bool laidDown = false;
    CellPoint lastLaidDown;

    void NoteLaidDown(const MapModel& map, const ChipEntry& chip, CellPoint from, CellPoint to,
                      const CellRect& paintable);
};
