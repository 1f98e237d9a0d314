// The randomness of the brushes that choose among chips: the terrain brush among a chip's
// variations, the random brush among the chips in hand. A choice is a hash of a seed, the cell
// and what is chosen for, not a stream: the same seed gives the same chip in the same cell
// whatever order the cells are painted in, so a line's preview shows what its release lays
// down, the map tool re-fits a map as the editor paints it, and tests pin the result with a
// seed. The map keeps the chips chosen, so a saved file always draws the same picture.
#pragma once
#include <cstdint>

class ChipRandom {
public:
    explicit ChipRandom(uint64_t seed = 0) : seed(seed) {}

    uint64_t Seed() const { return seed; }
    // A number in [0, 1) for the cell with `index`; `salt` keeps apart choices made for
    // different things in one cell (two terrain sets, the random brush).
    double At(uint32_t index, uint32_t salt) const {
        uint64_t x = seed ^ (uint64_t{salt} << 32 | index);
        // splitmix64's finaliser: every input bit reaches every output bit.
        x += 0x9E3779B97F4A7C15ull;
        x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
        x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
        x ^= x >> 31;
        return static_cast<double>(x >> 11) * (1.0 / 9007199254740992.0);  // 53 bits
    }

private:
    uint64_t seed;
};
