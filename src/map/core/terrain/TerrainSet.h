// Terrain sets: groups of small chips that draw one ground, wall or water, each chip telling
// which of its four corners lie inside the terrain. The brush marks corners and every cell
// around them takes the chip whose corners match (TerrainRules.h); the map keeps plain chips,
// so the game and the map file know nothing of terrains.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ChipEntry.h"
#include "map/core/MapCell.h"

// The corners of a cell, one bit each; a set bit lies inside the terrain.
constexpr uint8_t kTopLeft = 1;
constexpr uint8_t kTopRight = 2;
constexpr uint8_t kBottomRight = 4;
constexpr uint8_t kBottomLeft = 8;
constexpr uint8_t kAllCorners = 15;
constexpr int kCornerCombinations = 16;

// Four marks, top-left, top-right, bottom-right, bottom-left: '#' inside, '.' outside.
std::string CornerText(uint8_t corners);
// False for anything but four such marks.
bool ParseCornerText(const std::string& text, uint8_t& corners);

struct TerrainChip {
    uint32_t code = 0;  // chip code, as the chip tables name it
    ChipEntry chip;     // its id, sheet position and layer
    uint8_t corners = 0;
    double weight = 1;  // share among the chips with the same corners
};

struct TerrainSet {
    std::string name;  // UTF-8, as in the file
    int layer = 0;     // 0 or 1
    std::vector<TerrainChip> chips;

    // For each combination of corners a cell may need, the combination the set draws it with:
    // itself when the set has a chip for it, else the one that differs in the fewest corners.
    // Combination 0 is the empty cell. Made by Prepare.
    uint8_t drawnAs[kCornerCombinations] = {};
    // Builds drawnAs; the set must have a chip.
    void Prepare();
    // True when the set has a chip with exactly these corners.
    bool Has(uint8_t corners) const;
    // The chip drawn for the combination, chosen among its variations by `pick` in [0, 1).
    const TerrainChip& ChipFor(uint8_t corners, double pick) const;
    // The chip whose picture stands for the set: the first with every corner inside, else the
    // first chip.
    const TerrainChip& FullChip() const;
};

// Which set and corners a chip of layer 0 or 1 stands for.
struct TerrainMember {
    int set = -1;  // -1: the chip belongs to no set
    uint8_t corners = 0;
};

class TerrainSets {
public:
    TerrainSets() = default;
    // The sets as read and checked (TerrainFile.h): no chip in two sets, every set with a chip.
    explicit TerrainSets(std::vector<TerrainSet> sets);

    size_t Count() const { return sets.size(); }
    bool Empty() const { return sets.empty(); }
    const TerrainSet& Set(size_t i) const { return sets[i]; }
    const std::vector<TerrainSet>& All() const { return sets; }

    // What the chip id in a cell of `layer` stands for; no set for layers beyond 1.
    TerrainMember Member(int layer, uint32_t chipId) const;
    TerrainMember Member(int layer, const MapCell& cell) const { return Member(layer, cell.chipId); }

private:
    std::vector<TerrainSet> sets;
    // Chip ids of the small layers stay below 1000 (the chip codes' thousands digit is the
    // layer), so a table per layer answers in one step.
    static constexpr uint32_t kSmallChipIds = 1000;
    std::vector<TerrainMember> members[2];
};
