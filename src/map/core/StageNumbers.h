// The four stage numbers a map file carries besides the map, and the values a new map has.
#pragma once
#include <cstdint>

// Stored as given: a map file may bring any value; only the other-settings dialog's OK keeps
// them within 0..999. The defaults are the numbers of a new map and of every text map.
struct StageNumbers {
    int32_t targetTime = 10;
    int32_t timeLimit = 300;
    int32_t backgroundImage = 0;
    int32_t music = 0;
};

inline bool operator==(const StageNumbers& a, const StageNumbers& b) {
    return a.targetTime == b.targetTime && a.timeLimit == b.timeLimit &&
           a.backgroundImage == b.backgroundImage && a.music == b.music;
}
inline bool operator!=(const StageNumbers& a, const StageNumbers& b) { return !(a == b); }
