// The rectangle: press, drag, release, and the rectangle between the two cells is filled with
// the chip in hand (RectangleFillWrites), outlined while it is dragged.
#pragma once
#include "map/core/FillRules.h"
#include "map/core/tools/DragBetweenCells.h"

class RectangleTool final : public DragOutlined {
protected:
    ToolStep Finish(const ToolInput& in) override {
        ToolStep step;
        step.writes = RectangleFillWrites(in.map, in.chip, start, end);
        return step;
    }
};
