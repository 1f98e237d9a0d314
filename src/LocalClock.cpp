#include "LocalClock.h"

#include <windows.h>

ClockTime LocalClockTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ClockTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}
