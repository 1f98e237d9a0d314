// The system's local date and time, which the program's own files are named after.
#pragma once
#include "core/ClockTime.h"

ClockTime LocalClockTime();
