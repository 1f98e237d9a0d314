// The mouse wheel over the map view: which way a turn moves the view and by how many cells.
// A notch is WHEEL_DELTA (120) units; high-resolution wheels send less at a time, and those
// parts add up until they make whole cells.
#pragma once
#include <cstdint>

constexpr int32_t kWheelDelta = 120;
// The system's "one screen at a time" setting for the lines a notch scrolls.
constexpr uint32_t kWheelPageScroll = 0xFFFFFFFFu;

enum class WheelSource {
    kWheel,  // WM_MOUSEWHEEL: positive turns away from the user
    kTilt,   // WM_MOUSEHWHEEL: positive tilts to the right
};

// A turn as a movement along one axis; forward is right or down.
struct WheelMove {
    bool horizontal = false;
    int32_t forward = 0;  // wheel units
};

// The wheel scrolls up when turned away from the user; with Shift it scrolls sideways, to
// the right when turned toward the user, as other Windows programs do. The tilt wheel
// scrolls the way it is tilted.
WheelMove WheelDirection(WheelSource source, bool shiftHeld, int32_t delta);

// Cells a notch moves along an axis of viewCells cells: the system's lines a notch, and at
// most one view's worth, which "one screen at a time" gives too.
int32_t CellsPerNotch(uint32_t systemLines, int32_t viewCells);

// Turns wheel units into whole cells along one axis, keeping what is left for the next turn.
class WheelAccumulator {
public:
    // Adds a turn of `forward` units at cellsPerNotch cells a notch and returns the whole
    // cells it completes (negative: backward). A turn the other way drops what was left
    // over, so that reversing the wheel answers at once.
    int32_t Add(int32_t forward, int32_t cellsPerNotch);
    void Reset() { rest = 0; }

private:
    int64_t rest = 0;  // wheel units x cells a notch, less than one cell's worth
};
