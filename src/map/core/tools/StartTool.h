// スタート位置: a click puts where ピノル starts at the map point under the pointer, in map
// pixels, and makes it specified, as the start-position dialog's OK would; a point beyond the
// dialog's bounds changes nothing (StartFromClick). It writes no cell and follows no drag.
#pragma once
#include "map/core/tools/MapTool.h"

class StartTool final : public MapTool {
public:
    ToolStep Press(const ToolInput& in) override {
        ToolStep step;
        step.startClicked = true;
        step.start = StartFromClick(in.point.x, in.point.y);
        return step;
    }
    bool Dragging() const override { return false; }
    ToolStep Drag(const ToolInput&) override { return {}; }
    ToolStep Release(const ToolInput&) override { return {}; }
    void Cancel() override {}
};
