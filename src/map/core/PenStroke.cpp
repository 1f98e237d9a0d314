#include "map/core/PenStroke.h"

#include "map/core/StrokeLine.h"

CellWrites PenStroke::Begin(const MapModel& map, const ChipEntry& chip, CellPoint cell,
                            const CellRect& paintable) {
    active = true;
    start = cell;
    last = cell;
    if (!Contains(paintable, cell)) return {};
    return PenCellWrites(map, chip, start, cell);
}

CellWrites PenStroke::MoveTo(const MapModel& map, const ChipEntry& chip, CellPoint cell,
                             const CellRect& paintable) {
    if (!active || cell == last) return {};
    const CellPoint from = last;
    last = cell;
    // Between two samples outside the view the pointer may have gone round it.
    if (!Contains(paintable, from) && !Contains(paintable, cell)) return {};
    return StrokeSegmentWrites(map, chip, start, from, cell, paintable);
}
