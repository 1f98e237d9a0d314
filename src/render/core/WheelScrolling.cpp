#include "render/core/WheelScrolling.h"

#include <algorithm>

WheelMove WheelDirection(WheelSource source, bool shiftHeld, int32_t delta) {
    if (source == WheelSource::kTilt) return WheelMove{true, delta};
    // Turned away from the user (positive) moves up or left, toward the user down or right.
    return WheelMove{shiftHeld, -delta};
}

int32_t CellsPerNotch(uint32_t systemLines, int32_t viewCells) {
    if (systemLines == kWheelPageScroll) return viewCells;
    return static_cast<int32_t>(std::min<uint32_t>(systemLines, static_cast<uint32_t>(viewCells)));
}

int32_t WheelAccumulator::Add(int32_t forward, int32_t cellsPerNotch) {
    if ((forward > 0 && rest < 0) || (forward < 0 && rest > 0)) rest = 0;
    rest += int64_t{forward} * cellsPerNotch;
    const int64_t cells = rest / kWheelDelta;  // toward zero: the rest keeps the sign
    rest -= cells * kWheelDelta;
    return static_cast<int32_t>(cells);
}
