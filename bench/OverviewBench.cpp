// Cost of the overview, redrawn after every change while it is shown, beside the map view's
// own composition of the same scene (bench/MapViewBench.cpp has the view's cases).
#include <benchmark/benchmark.h>

#include "render/core/MapView.h"
#include "render/core/OverviewCompose.h"
#include "render/core/ViewMarks.h"

namespace {

// Sheets and backdrop with one key pixel in every seven, as in the view's benchmark.
void FillPattern(PixelSurface& surface, uint16_t salt) {
    for (int32_t y = 0; y < surface.height; ++y)
        for (int32_t x = 0; x < surface.width; ++x)
            surface.SetPixel(x, y, (x + 3 * y) % 7 == 0 ? 0 : static_cast<uint16_t>((salt + x * 5 + y * 11) & 0x7FFF));
    surface.colorKey = 0;
}

// A chip in all three layers of every cell, sheet positions varying from cell to cell.
struct Scene {
    MemorySurface backdrop{640, 480};
    MemorySurface smallSheet{512, 512};
    MemorySurface largeSheet{512, 512};
    MemorySurface picture{kOverviewMaxSide, kOverviewMaxSide};
    MapModel map;
    OverviewSheets sheets;
    OverviewScale scale;

    Scene(int32_t cellsX, int32_t cellsY) {
        FillPattern(backdrop, 0x100);
        FillPattern(smallSheet, 0x2000);
        FillPattern(largeSheet, 0x4000);
        map.ResizeMap(cellsX * 40, cellsY * 40);
        for (size_t i = 0; i < map.CellCount(); ++i) {
            const auto n = static_cast<int32_t>(i);
            map.Layer(2)[i] = MapCell{1, (n % 6) * 80, (n / 6 % 6) * 80};
            map.Layer(1)[i] = MapCell{2, (n % 12) * 40, (n / 12 % 12) * 40};
            map.Layer(0)[i] = MapCell{3, (n % 11) * 40, (n / 11 % 11) * 40};
        }
        scale = OverviewScaleFor(map.CellCounts());
        sheets.Prepare(smallSheet, largeSheet, backdrop, SheetCellPixels(scale));
    }
};

// Arguments: map columns, map rows. What a click costs while the overview shows: the picture,
// the view's frame and the start marker.
void BM_OverviewCompose(benchmark::State& state) {
    Scene s(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    for (auto _ : state) {
        ComposeOverview(s.picture, s.sheets, s.scale, s.map);
        DrawViewFrame(s.picture, OverviewViewFrame(s.scale, 22, 24));
        DrawStartMarker(s.picture, OverviewStartMarker(s.scale, 320, 240));
        benchmark::DoNotOptimize(s.picture.pixels);
        benchmark::ClobberMemory();
    }
}

// Scaling the three pictures, once for each new overview scale (a new map size).
void BM_OverviewScaleSheets(benchmark::State& state) {
    Scene s(16, 12);
    const auto cellPixels = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        OverviewSheets sheets;
        benchmark::DoNotOptimize(sheets.Prepare(s.smallSheet, s.largeSheet, s.backdrop, cellPixels));
    }
}

BENCHMARK(BM_OverviewCompose)->Args({48, 48})->Args({60, 60})->Args({480, 480})->Args({1000, 1000})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OverviewScaleSheets)->Arg(8)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
