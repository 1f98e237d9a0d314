// What the left button lays down besides the chip in hand (CurrentChip): several chips of one
// palette, of which each cell written takes one at random (the random brush), or a terrain set
// (TerrainSet.h). The terrain tool paints the chosen set whatever is in hand; the rectangle
// and the bucket fill paint it only while the set itself is in hand. View state only.
#pragma once
#include <cstdint>
#include <vector>

#include "core/ChipEntry.h"
#include "map/core/CellWrite.h"
#include "map/core/ChipRandom.h"
#include "map/core/MapModel.h"
#include "map/core/terrain/TerrainSet.h"

// The chip id the tools lay down for the random brush; ResolveRandomChips gives each cell
// holding it one of the chips in hand. No palette names it.
constexpr uint32_t kRandomChipId = UINT32_MAX;

class ChipHand {
public:
    const TerrainSets* terrains = nullptr;  // owned by the editor; none without a terrain file
    ChipRandom random;

    // ---- Terrains.
    // The set the terrain tool paints, the first until another is chosen; -1 without sets.
    int ChosenTerrain() const { return HasTerrain() ? chosen : -1; }
    bool HasTerrain() const {
        return terrains != nullptr && chosen >= 0 && static_cast<size_t>(chosen) < terrains->Count();
    }
    bool TerrainInHand() const { return inHand && HasTerrain(); }
    // The set chosen in the terrains' window: it is in hand.
    void TakeTerrain(int set) {
        chosen = set;
        inHand = true;
        randomChips.clear();
    }
    // The set a picked chip belongs to becomes the chosen one; the chip is in hand.
    void ChooseTerrain(int set) {
        if (set >= 0) chosen = set;
        inHand = false;
    }

    // ---- The chips in hand.
    // A plain palette click: one chip in hand, no terrain.
    void TakeChip() {
        inHand = false;
        randomChips.clear();
    }
    // Ctrl+click on `clicked` while `current` is in hand: `clicked` joins the chips in hand, or
    // leaves them when it is there already (the last one stays). Empty chips never join, and
    // a chip of the other palette starts the chips in hand afresh.
    // Returns the chip to keep as the one in hand.
    ChipEntry ToggleRandomChip(const ChipEntry& current, const ChipEntry& clicked);
    bool RandomBrush() const { return randomChips.size() >= 2; }
    const std::vector<ChipEntry>& RandomChips() const { return randomChips; }
    // What the pen, the line, the rectangle and the fill lay down for `current`: the random
    // brush's placeholder in the layer of its chips, else `current` itself.
    ChipEntry ChipToLay(const ChipEntry& current) const;

private:
    int chosen = 0;
    bool inHand = false;
    std::vector<ChipEntry> randomChips;
};

// Gives every write of kRandomChipId one of the random brush's chips, chosen by the cell, and
// leaves out writes that then change nothing.
void ResolveRandomChips(const MapModel& map, const ChipHand& hand, CellWrites& writes);
