// Helpers of the picture tests: surfaces painted by a rule, and repeatable pseudo-random numbers.
#pragma once
#include <cstdint>
#include <functional>

#include "render/core/PixelSurface.h"

namespace surface_test {

inline void Fill(PixelSurface& surface, const std::function<uint16_t(int32_t, int32_t)>& pixel) {
    for (int32_t y = 0; y < surface.height; ++y)
        for (int32_t x = 0; x < surface.width; ++x) surface.SetPixel(x, y, pixel(x, y));
}

// Deterministic pseudo-random numbers, so a failing map can be rebuilt.
struct Lcg {
    uint32_t state;
    uint32_t Next(uint32_t bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    }
};

}  // namespace surface_test
