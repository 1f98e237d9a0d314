// The outline the view draws around the cells an editing tool is about to act on: a rectangle
// or a selection being dragged, the selected cells, a block being pasted. A magenta line with
// black beside it, apart from the green grid, the red edge markers and the yellow start marker,
// and visible on light and dark chips. Returned as line segments for the shell to stroke.
#pragma once
#include <cstddef>

#include "map/core/CellArea.h"
#include "render/core/ViewOverlay.h"

struct ToolOutline {
    static constexpr size_t kMaxSegments = 8;
    LineSegment segments[kMaxSegments];
    size_t count = 0;
};

constexpr uint8_t kToolOutlineRed = 255;
constexpr uint8_t kToolOutlineGreen = 0;
constexpr uint8_t kToolOutlineBlue = 255;

// The four sides of the cells' rectangle in view pixels, on the cell borders, first in black
// (pen 4), then in magenta (pen 2) over them. Sides far outside the view are pulled to just
// beyond its edge, so every coordinate stays small; nothing for an empty rectangle or one that
// lies wholly outside the view.
ToolOutline ToolOutlineSegments(const CellRect& cells, int32_t scrollX, int32_t scrollY,
                                ViewZoom zoom = kFullZoom);
