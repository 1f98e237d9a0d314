// Cost of composing the map view, beside a plain copy of the same rectangles.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>

#include "BenchScene.h"
#include "render/core/Blit.h"
#include "render/core/MapView.h"
#include "render/core/OverviewSheets.h"

namespace {

struct Scene : BenchPictures {
    MemorySurface backBuffer{640, 480};

    Scene(int32_t cellsX, int32_t cellsY) : BenchPictures(cellsX, cellsY) {}
};

void CopyPlain(PixelSurface& to, int32_t x, int32_t y, const PixelSurface& from, int32_t left,
               int32_t top, int32_t right, int32_t bottom) {
    ClipBlit(to, from, x, y, left, top, right, bottom);
    if (left >= right || top >= bottom) return;
    const size_t bytes = static_cast<size_t>(right - left) * 2;
    for (int32_t row = top; row < bottom; ++row) {
        std::memcpy(to.Row(y + row - top) + x, from.Row(row) + left, bytes);
    }
}

// The same clear and the same rectangles as ComposeMapView, copied without the key test.
void ComposePlain(Scene& s, int32_t scrollX, int32_t scrollY) {
    s.backBuffer.Clear();
    CopyPlain(s.backBuffer, 0, 0, s.backdrop, 0, 0, 640, 480);
    const MapCellCounts counts = s.map.CellCounts();
    const int32_t lastRow = std::min<int32_t>(scrollY + 11, static_cast<int32_t>(counts.cellsY) - 1);
    const int32_t lastColumn = std::min<int32_t>(scrollX + 15, static_cast<int32_t>(counts.cellsX) - 1);
    for (int32_t row = std::max(scrollY - 1, 0); row <= lastRow; ++row) {
        for (int32_t column = std::max(scrollX - 1, 0); column <= lastColumn; ++column) {
            const size_t i = static_cast<size_t>(row) * counts.cellsX + static_cast<size_t>(column);
            const int32_t x = (column - scrollX) * 40, y = (row - scrollY) * 40;
            const MapCell& large = s.map.Layer(2)[i];
            const MapCell& middle = s.map.Layer(1)[i];
            const MapCell& top = s.map.Layer(0)[i];
            CopyPlain(s.backBuffer, x, y, s.largeSheet, large.srcX, large.srcY, large.srcX + 80, large.srcY + 80);
            CopyPlain(s.backBuffer, x, y, s.smallSheet, middle.srcX, middle.srcY, middle.srcX + 40, middle.srcY + 40);
            CopyPlain(s.backBuffer, x, y, s.smallSheet, top.srcX, top.srcY, top.srcX + 40, top.srcY + 40);
        }
    }
}

// Arguments: map columns, map rows, scrollX, scrollY.
void BM_MapViewCompose(benchmark::State& state) {
    Scene s(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    const auto scrollX = static_cast<int32_t>(state.range(2));
    const auto scrollY = static_cast<int32_t>(state.range(3));
    for (auto _ : state) {
        ComposeMapView(s.backBuffer, s.backdrop, s.smallSheet, s.largeSheet, s.map, scrollX, scrollY);
        benchmark::DoNotOptimize(s.backBuffer.pixels);
        benchmark::ClobberMemory();
    }
}

void BM_MapViewPlainCopy(benchmark::State& state) {
    Scene s(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    const auto scrollX = static_cast<int32_t>(state.range(2));
    const auto scrollY = static_cast<int32_t>(state.range(3));
    for (auto _ : state) {
        ComposePlain(s, scrollX, scrollY);
        benchmark::DoNotOptimize(s.backBuffer.pixels);
        benchmark::ClobberMemory();
    }
}

// 16 x 12 and 60 x 60 at the top-left (the same 16 x 12 cells show), and 60 x 60 scrolled
// into the middle, where the column and row before the view are drawn too (17 x 13 cells).
#define MAP_VIEW_CASES \
    ->Args({16, 12, 0, 0})->Args({60, 60, 0, 0})->Args({60, 60, 22, 24})->Unit(benchmark::kMicrosecond)

BENCHMARK(BM_MapViewCompose) MAP_VIEW_CASES;

// The zoomed view of a 60 x 60 map from the top-left, against the 100 % view in the same run:
// argument the zoom factor (1: the sheets themselves, 2 and 4: pictures scaled once).
void BM_MapViewZoomed(benchmark::State& state) {
    Scene s(60, 60);
    const ViewZoom zoom{static_cast<int32_t>(state.range(0))};
    OverviewSheets sheets;
    if (zoom.factor > 1) sheets.Prepare(s.smallSheet, s.largeSheet, s.backdrop, zoom.CellPixels());
    const PixelSurface& backdrop = zoom.factor > 1 ? sheets.Backdrop() : s.backdrop;
    const PixelSurface& small = zoom.factor > 1 ? sheets.Small() : s.smallSheet;
    const PixelSurface& large = zoom.factor > 1 ? sheets.Large() : s.largeSheet;
    for (auto _ : state) {
        ComposeMapView(s.backBuffer, backdrop, small, large, s.map, 0, 0, LayerVisibility{}, zoom);
        benchmark::DoNotOptimize(s.backBuffer.pixels);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MapViewZoomed)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MapViewPlainCopy) MAP_VIEW_CASES;

}  // namespace
