// A date and time on the wall clock, as the system gives its local time: what the program's
// own files are named after, so that a designer can tell them apart by when they were made.
#pragma once
#include <cstdint>
#include <string>
#include <tuple>

struct ClockTime {
    int32_t year = 2000;
    int32_t month = 1;   // 1 to 12
    int32_t day = 1;     // 1 to 31
    int32_t hour = 0;    // 0 to 23
    int32_t minute = 0;  // 0 to 59
    int32_t second = 0;  // 0 to 59 (60 for a leap second)

    auto Fields() const { return std::tie(year, month, day, hour, minute, second); }
    bool operator<(const ClockTime& other) const { return Fields() < other.Fields(); }
    bool operator==(const ClockTime& other) const { return Fields() == other.Fields(); }
};

// True when every field is within its range and the year has four digits (1000 to 9999).
bool IsValidClockTime(const ClockTime& time);

// "2026-12-10 15:30:12", for a person to read.
std::string ClockTimeText(const ClockTime& time);
