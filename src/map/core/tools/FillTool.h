// The bucket fill: a click fills the connected region under the pointer (BucketFillWrites).
// The click is all it does: it follows no drag.
#pragma once
#include "map/core/FillRules.h"
#include "map/core/tools/MapTool.h"

class FillTool final : public MapTool {
public:
    ToolStep Press(const ToolInput& in) override {
        ToolStep step;
        step.writes = BucketFillWrites(in.map, in.chip, in.cell);
        return step;
    }
    bool Dragging() const override { return false; }
    ToolStep Drag(const ToolInput&) override { return {}; }
    ToolStep Release(const ToolInput&) override { return {}; }
    void Cancel() override {}
};
