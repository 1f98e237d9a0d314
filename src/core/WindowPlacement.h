// Where a window that belongs beside others first appears on the screen.
#pragma once
#include <cstdint>

struct ScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The top-left corner for a window of the given outer size whose left edge goes to besideX
// and whose top goes to topY, so that it covers nothing left of besideX. Where the work area
// is too narrow for that it stands at the work area's right edge, and where it is too low it
// moves up; it never starts left of or above the work area.
ScreenPoint PlaceBeside(int32_t besideX, int32_t topY, int32_t outerWidth, int32_t outerHeight,
                        const ScreenRect& workArea);
