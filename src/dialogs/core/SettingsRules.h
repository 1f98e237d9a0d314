// What the OK buttons of the settings dialogs make of the numbers and text typed in.
#pragma once
#include <cstddef>
#include <cstdint>

struct MapSize {
    int32_t width;   // pixels
    int32_t height;  // pixels
};

struct StartPosition {
    int32_t x;  // pixels in the 640 x 480 view
    int32_t y;
};

// Whole cells (truncated toward zero), then width 640..2400 and height 480..2400.
MapSize ApplyEditAreaRules(int32_t width, int32_t height);
// The same for the boxes of a map that has the size `current`: a side that still reads as
// the map has it is kept as it is, so that OK without typing changes nothing, even for a
// map larger than the dialog makes or not in whole cells; only a side typed anew is
// rounded and clamped.
MapSize ApplyEditAreaRules(int32_t width, int32_t height, MapSize current);

// A coordinate outside the 640 x 480 view falls back to its centre (320 or 240), each
// coordinate on its own; the map size plays no part.
StartPosition ApplyStartPositionRules(int32_t x, int32_t y);
// The same for the boxes of a stage whose start position is `held`: a coordinate that still
// reads as the stage holds it is kept, whatever its value (a file may hold one beyond the
// view), so OK without typing changes nothing; only a coordinate typed anew falls back.
StartPosition ApplyStartPositionRules(int32_t x, int32_t y, StartPosition held);

// A click of the start tool on the map, at a point in map pixels: within the dialog's bounds
// (x 0 to 640, y 0 to 480, whatever the map's size) the start position becomes that point and
// is specified; beyond them nothing changes, and the refusal says which coordinate is beyond.
struct StartClick {
    bool moved = false;
    StartPosition start{0, 0};  // when moved
    bool beyondX = false;
    bool beyondY = false;
};
StartClick StartFromClick(int64_t x, int64_t y);

// A stage number typed into the other-settings dialog is kept within 0..999.
int32_t ClampStageNumber(int32_t value);

// How many of the first `length` bytes of a Shift_JIS text to keep so that at most
// maxBytes remain and no double-byte character is split: a lead byte whose trail byte
// would be cut off (or that ends the text) is dropped too. The box's text is cut this way
// before it is stored, so the stored comment and what the box shows never end in half a
// character.
size_t CutCommentText(const char* text, size_t length, size_t maxBytes);
