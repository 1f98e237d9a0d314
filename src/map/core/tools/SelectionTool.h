// The selection: press, drag, release, and the rectangle of cells between the two is selected;
// it writes nothing.
#pragma once
#include "map/core/tools/DragBetweenCells.h"

class SelectionTool final : public DragOutlined {
protected:
    ToolStep Finish(const ToolInput&) override {
        ToolStep step;
        step.selects = true;
        step.selection = RectBetween(start, end);
        return step;
    }
};
