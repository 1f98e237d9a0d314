#include "core/ClockTime.h"

#include <cstdio>

bool IsValidClockTime(const ClockTime& t) {
    return t.year >= 1000 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= 31 && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 &&
           t.second >= 0 && t.second <= 60;
}

std::string ClockTimeText(const ClockTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", static_cast<int>(t.year),
                  static_cast<int>(t.month), static_cast<int>(t.day), static_cast<int>(t.hour),
                  static_cast<int>(t.minute), static_cast<int>(t.second));
    return text;
}
