// Everything a map file carries, apart from any window: the size, the chip ids of the three
// layers, the start position, the four stage numbers and the comment. Readers build one
// completely before the editor takes it over; the writer turns one into bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "map/core/MapLimits.h"
#include "map/core/StageNumbers.h"
#include "render/core/ViewGeometry.h"

struct MapDocument {
    int32_t mapWidth = kViewWidth;    // pixels; a remainder below 40 is kept but makes no cell
    int32_t mapHeight = kViewHeight;
    // Chip ids in cell index order (row by row), CellCount() each; 0 is an empty cell.
    std::vector<uint32_t> layer2Ids = std::vector<uint32_t>(kViewColumns * kViewRows, 0);
    std::vector<uint32_t> layer1Ids = std::vector<uint32_t>(kViewColumns * kViewRows, 0);
    std::vector<uint32_t> layer0Ids = std::vector<uint32_t>(kViewColumns * kViewRows, 0);
    int32_t startX = 320;             // start position of the character, map pixels
    int32_t startY = 240;
    bool startUnspecified = true;     // the start-position dialog's box; checked at start-up
    int32_t targetTime = StageNumbers{}.targetTime;  // the stage numbers, in file order
    int32_t timeLimit = StageNumbers{}.timeLimit;
    int32_t backgroundImage = StageNumbers{}.backgroundImage;
    int32_t music = StageNumbers{}.music;
    std::vector<uint8_t> comment;     // 0 to 256 Shift_JIS bytes, as read (no terminator)

    uint32_t CellsX() const { return CellsAlong(mapWidth); }
    uint32_t CellsY() const { return CellsAlong(mapHeight); }
    size_t CellCount() const { return static_cast<size_t>(CellsX()) * CellsY(); }

    StageNumbers Stage() const { return {targetTime, timeLimit, backgroundImage, music}; }
    void SetStage(const StageNumbers& numbers) {
        targetTime = numbers.targetTime;
        timeLimit = numbers.timeLimit;
        backgroundImage = numbers.backgroundImage;
        music = numbers.music;
    }
};

inline bool operator==(const MapDocument& a, const MapDocument& b) {
    return a.mapWidth == b.mapWidth && a.mapHeight == b.mapHeight &&
           a.layer2Ids == b.layer2Ids && a.layer1Ids == b.layer1Ids &&
           a.layer0Ids == b.layer0Ids && a.startX == b.startX && a.startY == b.startY &&
           a.startUnspecified == b.startUnspecified && a.targetTime == b.targetTime &&
           a.timeLimit == b.timeLimit && a.backgroundImage == b.backgroundImage &&
           a.music == b.music && a.comment == b.comment;
}
inline bool operator!=(const MapDocument& a, const MapDocument& b) { return !(a == b); }
