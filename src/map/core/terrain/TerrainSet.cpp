#include "map/core/terrain/TerrainSet.h"

#include <bitset>

namespace {

constexpr uint8_t kCornerBits[4] = {kTopLeft, kTopRight, kBottomRight, kBottomLeft};

int Differences(uint8_t a, uint8_t b) { return static_cast<int>(std::bitset<4>(a ^ b).count()); }

}  // namespace

std::string CornerText(uint8_t corners) {
    std::string text;
    for (uint8_t bit : kCornerBits) text += (corners & bit) != 0 ? '#' : '.';
    return text;
}

bool ParseCornerText(const std::string& text, uint8_t& corners) {
    if (text.size() != 4) return false;
    uint8_t read = 0;
    for (size_t i = 0; i < 4; ++i) {
        if (text[i] == '#') {
            read |= kCornerBits[i];
        } else if (text[i] != '.') {
            return false;
        }
    }
    corners = read;
    return true;
}

bool TerrainSet::Has(uint8_t corners) const {
    for (const TerrainChip& chip : chips) {
        if (chip.corners == corners) return true;
    }
    return false;
}

void TerrainSet::Prepare() {
    for (int needed = 0; needed < kCornerCombinations; ++needed) {
        const uint8_t want = static_cast<uint8_t>(needed);
        if (want == 0 || Has(want)) {
            drawnAs[needed] = want;
            continue;
        }
        // Fewest corners differing; among those, one that keeps every corner the cell needs
        // inside, so a missing edge never eats into the terrain; then the lowest combination.
        int best = -1;
        int bestCost = 1 << 30;
        for (const TerrainChip& chip : chips) {
            const int cost = Differences(want, chip.corners) * 2 + ((chip.corners & want) != want);
            if (cost < bestCost || (cost == bestCost && chip.corners < best)) {
                best = chip.corners;
                bestCost = cost;
            }
        }
        drawnAs[needed] = static_cast<uint8_t>(best < 0 ? 0 : best);
    }
}

const TerrainChip& TerrainSet::ChipFor(uint8_t corners, double pick) const {
    const uint8_t drawn = drawnAs[corners & kAllCorners];
    double total = 0;
    const TerrainChip* last = &chips.front();
    for (const TerrainChip& chip : chips) {
        if (chip.corners == drawn) total += chip.weight;
    }
    double left = pick * total;
    for (const TerrainChip& chip : chips) {
        if (chip.corners != drawn) continue;
        last = &chip;
        if (left < chip.weight) return chip;
        left -= chip.weight;
    }
    return *last;  // rounding at the top end of `pick`
}

const TerrainChip& TerrainSet::FullChip() const {
    for (const TerrainChip& chip : chips) {
        if (chip.corners == kAllCorners) return chip;
    }
    return chips.front();
}

TerrainSets::TerrainSets(std::vector<TerrainSet> read) : sets(std::move(read)) {
    for (auto& layer : members) layer.assign(kSmallChipIds, TerrainMember{});
    for (size_t s = 0; s < sets.size(); ++s) {
        sets[s].Prepare();
        for (const TerrainChip& chip : sets[s].chips) {
            if (sets[s].layer < 0 || sets[s].layer > 1 || chip.chip.chipId >= kSmallChipIds) continue;
            members[sets[s].layer][chip.chip.chipId] = TerrainMember{static_cast<int>(s), chip.corners};
        }
    }
}

TerrainMember TerrainSets::Member(int layer, uint32_t chipId) const {
    if (layer < 0 || layer > 1 || chipId >= members[layer].size()) return {};
    return members[layer][chipId];
}
