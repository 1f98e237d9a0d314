// The pen: a click paints the chip in hand into its layer, and a drag paints every cell on the
// line between one pointer sample and the next, within the view (PenStroke.h). Shift+click
// draws the straight line from the last cell painted to the cell clicked, as image editors do.
#pragma once
#include "map/core/PenStroke.h"
#include "map/core/tools/MapTool.h"

class PenTool : public MapTool {
public:
    ToolStep Press(const ToolInput& in) override {
        const ChipEntry chip = ChipOf(in);
        CellPoint from;
        ToolStep step;
        step.writes = in.shift && stroke.LastLaidDown(from)
                          ? stroke.BeginLine(in.map, chip, from, in.cell, in.paintable)
                          : stroke.Begin(in.map, chip, in.cell, in.paintable);
        return step;
    }
    bool Dragging() const override { return stroke.Active(); }
    ToolStep Drag(const ToolInput& in) override {
        ToolStep step;
        step.writes = stroke.MoveTo(in.map, ChipOf(in), in.cell, in.paintable);
        return step;
    }
    ToolStep Release(const ToolInput&) override {
        stroke.End();
        return {};
    }
    void Cancel() override { stroke.End(); }
    void Forget() override { stroke.Forget(); }
    ToolPointer Pointer(const ChipEntry& chip) const override {
        return chip.chipId == 0 ? ToolPointer::kEraser : ToolPointer::kOwn;
    }

protected:
    // What the pen lays down: the chip in hand.
    virtual ChipEntry ChipOf(const ToolInput& in) const { return in.chip; }

private:
    PenStroke stroke;
};
