// The view's movement over the map, one whole cell per arrow key, and the tests for the
// edge markers. Pure functions of a scroll offset and the map's cell count along that axis.
#pragma once
#include <cstdint>

// Left / Up: one cell back, never below 0.
int32_t ScrollLeft(int32_t scrollX);
int32_t ScrollUp(int32_t scrollY);

// Right / Down: one cell on, at most to where the view's last column (row) is the map's
// last, and never below 0 for a map narrower (shorter) than the view.
int32_t ScrollRight(int32_t scrollX, uint32_t cellsX);
int32_t ScrollDown(int32_t scrollY, uint32_t cellsY);

// Whether the view shows that edge of the map, for the red edge markers. Right and Bottom
// hold only where the view's last column (row) is exactly the map's last one.
bool TouchesLeft(int32_t scrollX);
bool TouchesTop(int32_t scrollY);
bool TouchesRight(int32_t scrollX, uint32_t cellsX);
bool TouchesBottom(int32_t scrollY, uint32_t cellsY);
