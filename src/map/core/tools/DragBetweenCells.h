// What the rectangle, the selection and the line share: a press, a drag and a release between
// two cells, the cell pressed and the cell under the pointer.
#pragma once
#include "map/core/tools/MapTool.h"

class DragBetweenCells : public MapTool {
public:
    ToolStep Press(const ToolInput& in) override {
        dragging = true;
        start = in.cell;
        end = in.cell;
        return {};
    }
    bool Dragging() const override { return dragging; }
    ToolStep Drag(const ToolInput& in) override {
        ToolStep step;
        step.redraw = Follow(in.cell);
        return step;
    }
    // The release: the tool acts on the cell pressed and the cell the drag last reached, which
    // follows the pointer also while the view scrolls under it.
    ToolStep Release(const ToolInput& in) override {
        if (!dragging) return {};
        dragging = false;
        return Finish(in);
    }
    void Cancel() override { dragging = false; }
    bool EscapeDrops() const override { return true; }
    bool KeepUnderPointer(CellPoint cell) override { return Follow(cell); }

protected:
    CellPoint start;
    CellPoint end;

    virtual ToolStep Finish(const ToolInput& in) = 0;

private:
    bool dragging = false;

    bool Follow(CellPoint cell) {
        if (!dragging || cell == end) return false;
        end = cell;
        return true;
    }
};

// The rectangle's drag outlined, clipped to the map, while it lasts.
class DragOutlined : public DragBetweenCells {
public:
    bool Outline(MapCellCounts counts, CellRect& cells) const override {
        if (!Dragging()) return false;
        cells = ClipToMap(RectBetween(start, end), counts);
        return true;
    }
};
