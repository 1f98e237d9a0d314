// Cost of the overview, redrawn after every change while it is shown, beside the map view's
// own composition of the same scene (bench/MapViewBench.cpp has the view's cases).
#include <benchmark/benchmark.h>

#include "BenchScene.h"
#include "render/core/MapView.h"
#include "render/core/OverviewCompose.h"
#include "render/core/ViewMarks.h"

namespace {

// A chip in all three layers of every cell, sheet positions varying from cell to cell.
struct Scene : BenchPictures {
    MemorySurface picture{kOverviewMaxSide, kOverviewMaxSide};
    OverviewSheets sheets;
    OverviewScale scale;

    Scene(int32_t cellsX, int32_t cellsY) : BenchPictures(cellsX, cellsY) {
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
