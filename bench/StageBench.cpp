// Cost of undo and redo beside the change itself: a stroke of 100 cells and F8 (the clear of
// every cell), on a 60 x 60 and a 1,000 x 1,000 map with a chip in every cell of every layer.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

#include "map/core/Stage.h"

namespace {

void OpenFullMap(Stage& stage, int32_t cells) {
    const size_t count = static_cast<size_t>(cells) * cells;
    std::vector<MapCell> layer(count);
    for (size_t i = 0; i < count; ++i) layer[i] = MapCell{static_cast<uint32_t>(1 + i % 50), 40, 40};
    stage.Open(cells * 40, cells * 40, layer, layer, layer, StageSettings{});
}

// A drag across 100 cells of a row and back down a column, one chip in layer 0.
void Stroke(Stage& stage, uint32_t cellsX) {
    stage.BeginStroke();
    for (uint32_t i = 0; i < 50; ++i) stage.WriteCells({CellWrite{5 * cellsX + i, 0, MapCell{999, 0, 0}}});
    for (uint32_t i = 0; i < 50; ++i) stage.WriteCells({CellWrite{(6 + i) * cellsX + 49, 0, MapCell{999, 0, 0}}});
    stage.EndStroke();
}

enum Timed { kChange = 0, kUndo = 1, kRedo = 2 };

// Each iteration makes the change, undoes and redoes it, then undoes it again to start
// afresh; only the operation asked for is timed.
void Run(benchmark::State& state, const std::function<void(Stage&)>& change) {
    const auto cells = static_cast<int32_t>(state.range(0));
    const auto timed = static_cast<Timed>(state.range(1));
    Stage stage;
    OpenFullMap(stage, cells);
    auto time = [&state](Timed which, Timed wanted, const std::function<void()>& op) {
        const auto start = std::chrono::steady_clock::now();
        op();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (which == wanted) state.SetIterationTime(took.count());
    };
    for (auto _ : state) {
        time(kChange, timed, [&] { change(stage); });
        time(kUndo, timed, [&] { stage.Undo(); });
        time(kRedo, timed, [&] { stage.Redo(); });
        stage.Undo();
    }
    state.SetLabel(timed == kChange ? "change" : timed == kUndo ? "undo" : "redo");
}

void BM_StrokeOf100Cells(benchmark::State& state) {
    Run(state, [&state](Stage& stage) { Stroke(stage, static_cast<uint32_t>(state.range(0))); });
}

void BM_ClearMap(benchmark::State& state) {
    Run(state, [](Stage& stage) { stage.ClearMap(); });
}

// Fixed iteration counts: each iteration does four operations, of which one is timed.
#define STAGE_CASES(iterations)                                                              \
    ->ArgsProduct({{60, 1000}, {kChange, kUndo, kRedo}})->UseManualTime()                   \
        ->Iterations(iterations)->Unit(benchmark::kMicrosecond)

BENCHMARK(BM_StrokeOf100Cells) STAGE_CASES(2000);
BENCHMARK(BM_ClearMap) STAGE_CASES(20);

}  // namespace
