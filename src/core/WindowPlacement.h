// Where a window that belongs beside others first appears on the screen, and whether a place
// kept from an earlier run is still on a screen.
#pragma once
#include <cstdint>
#include <vector>

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

// The area two rectangles share; 0 when they do not meet.
int64_t SharedArea(const ScreenRect& a, const ScreenRect& b);

// The top-left corner for a window of the given outer size that first appears among others
// (the main window, the palettes, the small windows shown) on the screen of the work area.
// The spots tried, each moved inside the work area as PlaceBeside moves it: `preferred`; then
// right of, left of, below and above the others taken together, and each of them alone, lined
// up with their top or left edge and with their bottom or right edge; then the work area's four
// corners. The first spot that covers the least of the others wins, so `preferred` stands
// whenever it covers nothing.
ScreenPoint PlaceClearOf(ScreenPoint preferred, int32_t outerWidth, int32_t outerHeight,
                         const std::vector<ScreenRect>& others, const ScreenRect& workArea);

// True when one of the work areas holds the whole window: a window kept at a place that is no
// longer wholly on one screen (a monitor unplugged, a smaller resolution) goes back to where it
// first appears.
bool FitsOnAScreen(const ScreenRect& window, const std::vector<ScreenRect>& workAreas);
