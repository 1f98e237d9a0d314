#include "map/core/PenStroke.h"

#include "map/core/StrokeLine.h"

CellWrites PenStroke::Begin(const MapModel& map, const ChipEntry& chip, CellPoint cell,
                            const CellRect& paintable) {
    active = true;
    start = cell;
    last = cell;
    if (!Contains(paintable, cell)) return {};
    NoteLaidDown(map, chip, cell, cell, paintable);
    return PenCellWrites(map, chip, start, cell);
}

CellWrites PenStroke::BeginLine(const MapModel& map, const ChipEntry& chip, CellPoint from,
                                CellPoint cell, const CellRect& paintable) {
    active = true;
    start = from;
    last = cell;
    NoteLaidDown(map, chip, from, cell, paintable);
    return LineWrites(map, chip, from, cell, paintable);
}

CellWrites PenStroke::MoveTo(const MapModel& map, const ChipEntry& chip, CellPoint cell,
                             const CellRect& paintable) {
    if (!active || cell == last) return {};
    const CellPoint from = last;
    last = cell;
    // Between two samples outside the view the pointer may have gone round it.
    if (!Contains(paintable, from) && !Contains(paintable, cell)) return {};
    NoteLaidDown(map, chip, from, cell, paintable);
    return StrokeSegmentWrites(map, chip, start, from, cell, paintable);
}

bool PenStroke::LastLaidDown(CellPoint& cell) const {
    if (laidDown) cell = lastLaidDown;
    return laidDown;
}

void PenStroke::NoteLaidDown(const MapModel& map, const ChipEntry& chip, CellPoint from,
                             CellPoint to, const CellRect& paintable) {
    CellPoint cell;
    if (!LastCellLaidDown(map, chip, start, from, to, paintable, cell)) return;
    laidDown = true;
    lastLaidDown = cell;
}
