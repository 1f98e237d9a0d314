// The pen's drag, from the press to the release: what it writes on the cell pressed and on every
// cell of the line from one pointer sample to the next, so a quick drag leaves no holes. Large
// chips go on the stride counted from the cell pressed (StrokeLine.h).
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
    // The pointer seen over `cell`, which may lie outside the view: the writes on every cell of
    // the line from the cell seen last, those outside `paintable` left out. Nothing when the
    // stroke is not on, the pointer is still over the same cell, or both cells lie outside
    // `paintable`: the pointer may then have gone round the view rather than across it.
    CellWrites MoveTo(const MapModel& map, const ChipEntry& chip, CellPoint cell,
                      const CellRect& paintable);
    void End() { active = false; }
    bool Active() const { return active; }

private:
    bool active = false;
    CellPoint start;
    CellPoint last;
};
