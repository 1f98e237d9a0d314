// Cost of the editing rules a designer waits for: a bucket fill of a whole empty map (every
// cell in the region, every cell written) and reading a block from the clipboard's JSON.
#include <benchmark/benchmark.h>

#include "map/core/BlockJson.h"
#include "map/core/FillRules.h"

namespace {

// The region is the whole map: every cell is visited, tested and written.
void BM_BucketFillWholeMap(benchmark::State& state) {
    const auto side = static_cast<int32_t>(state.range(0));
    MapModel map;
    map.ResizeMap(side * 40, side * 40);
    const ChipEntry chip{26, 0, 160, 0};
    for (auto _ : state) {
        CellWrites writes = BucketFillWrites(map, chip, CellPoint{side / 2, side / 2});
        benchmark::DoNotOptimize(writes.data());
        if (writes.size() != map.CellCount()) state.SkipWithError("not every cell written");
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(map.CellCount()));
}
BENCHMARK(BM_BucketFillWholeMap)->Arg(60)->Arg(1000)->Unit(benchmark::kMillisecond);

// A 60 x 60 block with a chip in every cell of every layer, ids of up to ten digits.
void BM_BlockFromJson60x60(benchmark::State& state) {
    CellBlock block;
    block.columns = 60;
    block.rows = 60;
    for (int layer = 0; layer < 3; ++layer) {
        for (uint32_t i = 0; i < 3600; ++i) block.layers[layer].push_back(i * 2654435761u);
    }
    const std::string text = BlockToJson(block);
    for (auto _ : state) {
        CellBlock read;
        std::string error;
        if (!BlockFromJson(text, read, error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(read.layers[0].data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_BlockFromJson60x60)->Unit(benchmark::kMillisecond);

}  // namespace
