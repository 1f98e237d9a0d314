// What the view and the overview draw of the stage, read in one place: the map, and where
// ピノル starts when the designer has said so.
#pragma once
#include <cstdint>

#include "map/core/MapModel.h"

// The main window's map; the main window must exist.
const MapModel& ShownMap();

// True, with the start position in map pixels, when the stage's start position is specified.
bool ShownStartPosition(int32_t& x, int32_t& y);
