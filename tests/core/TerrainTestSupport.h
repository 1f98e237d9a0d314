// A complete terrain set for the tests, on chips of the small table's layer 1, and maps of
// terrain drawn as text.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "CellRulesTestSupport.h"
#include "map/core/terrain/TerrainFile.h"

namespace terrain_test {

// Layer-1 codes of the small table: chips 1 to 15 take corners 1 to 15, the last is a second
// full chip.
constexpr uint32_t kGroundCodes[16] = {1002, 1004, 1006, 1161, 1008, 1009, 1141, 1142,
                                       1202, 1204, 1206, 1014, 1013, 1032, 1038, 1037};

// The set's file; combinations listed in `missing` get no chip.
inline std::string GroundJson(const std::string& name = "ground", const std::vector<int>& missing = {}) {
    std::string chips;
    for (int corners = 1; corners <= 15; ++corners) {
        if (std::find(missing.begin(), missing.end(), corners) != missing.end()) continue;
        chips += "{\"chip\": " + std::to_string(kGroundCodes[corners - 1]) + ", \"corners\": \"" +
                 CornerText(static_cast<uint8_t>(corners)) + "\"},";
    }
    chips += "{\"chip\": 1037, \"corners\": \"####\", \"weight\": 0.5}";
    return "{\"name\": \"" + name + "\", \"layer\": 1, \"chips\": [" + chips + "]}";
}

inline TerrainSets ReadSets(const std::string& setsJson) {
    const cell_rules_test::EditorPalettes palettes;
    TerrainSets sets;
    std::string error;
    EXPECT_TRUE(ReadTerrainSets("{\"terrains\": [" + setsJson + "]}", palettes.small, palettes.large, sets, error))
        << error;
    return sets;
}

// A layer as the terrain draws it, rows joined by '|': '.' empty, a hex digit for a set chip's
// corners, 'x' for a chip of no set.
inline std::string Corners(const MapModel& map, const TerrainSets& sets, int layer = 1) {
    std::string text;
    const MapCellCounts counts = map.CellCounts();
    for (uint32_t i = 0; i < map.CellCount(); ++i) {
        if (i > 0 && i % counts.cellsX == 0) text += '|';
        const MapCell& cell = map.Layer(layer)[i];
        const TerrainMember member = sets.Member(layer, cell);
        text += cell.chipId == 0 ? '.' : member.set < 0 ? 'x' : "0123456789abcdef"[member.corners];
    }
    return text;
}

}  // namespace terrain_test
