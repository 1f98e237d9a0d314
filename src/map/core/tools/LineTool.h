// The line: press, drag, release, and a straight line of the chip in hand is painted between the
// cell pressed and the cell released over, as the pen paints a quick drag (LineWrites, with the
// large chips' stride counted from the cell pressed). While it is dragged, the view shows the
// line where it would land.
#pragma once
#include "map/core/StrokeLine.h"
#include "map/core/tools/DragBetweenCells.h"

class LineTool final : public DragBetweenCells {
public:
    CellWrites Preview(const MapModel& map, const ChipEntry& chip, const CellRect& paintable) const override {
        return Dragging() ? LineWrites(map, chip, start, end, paintable) : CellWrites{};
    }

protected:
    ToolStep Finish(const ToolInput& in) override {
        ToolStep step;
        step.writes = LineWrites(in.map, in.chip, start, end, in.paintable);
        return step;
    }
};
