// Painting while the left button is held: every cell the pointer enters gets what a left
// click there does, once per entry rather than once per mouse message.
#pragma once
#include <cstdint>

class DragPainting {
public:
    // The press, already painted as a click: its cell counts as entered.
    void Begin(int32_t x, int32_t y, int32_t scrollX, int32_t scrollY);
    // The release, or the capture taken away.
    void End() { active = false; }
    bool Active() const { return active; }

    // A move to view point (x, y): true when the drag is on, the point lies in the 640 x 480
    // view and its map cell is not the one entered last. Leaving the view paints nothing
    // and forgets the last cell, so coming back into it paints it again.
    bool Enters(int32_t x, int32_t y, int32_t scrollX, int32_t scrollY);

private:
    bool active = false;
    bool inCell = false;  // the pointer is in the view, over cell (column, row)
    int64_t column = 0;
    int64_t row = 0;
};
