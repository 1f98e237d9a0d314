// Cost of the editing rules a designer waits for: a bucket fill of a whole empty map (every
// cell in the region, every cell written), reading a block from the clipboard's JSON, and the
// view redrawn with a pasted block following the pointer.
#include <benchmark/benchmark.h>

#include "core/ChipTable.h"
#include "core/PaletteModel.h"
#include "map/core/BlockJson.h"
#include "map/core/CellBlock.h"
#include "map/core/FillRules.h"
#include "render/core/PreviewView.h"

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

// The view as each pointer move redraws it while a block is pasted: the stamp's writes for the
// cells the view draws, then the view composed with them. A block as large as the map costs as
// much as one the size of the view.
void BM_PastePreview(benchmark::State& state) {
    const auto side = static_cast<uint32_t>(state.range(0));
    MapModel map;
    map.ResizeMap(1000 * 40, 1000 * 40);
    CellBlock block;
    block.columns = side;
    block.rows = side;
    for (int layer = 0; layer < 3; ++layer) block.layers[layer].assign(size_t{side} * side, layer == 2 ? 35 : 2);
    PaletteModel small(kSmallPaletteArgument), large(kLargePaletteArgument);
    small.paletteSize = SmallChipTable[0];
    large.paletteSize = LargeChipTable[0];
    small.BuildEntries(SmallChipTable + 1, kSmallChipTableLength - 1);
    large.BuildEntries(LargeChipTable + 1, kLargeChipTableLength - 1);
    MemorySurface backBuffer{640, 480}, backdrop{640, 480}, smallSheet{512, 512}, largeSheet{512, 512};
    for (MemorySurface* sheet : {&backdrop, &smallSheet, &largeSheet})  // every seventh pixel the key
        for (int32_t y = 0; y < sheet->height; ++y)
            for (int32_t x = 0; x < sheet->width; ++x)
                sheet->SetPixel(x, y, (x + 3 * y) % 7 == 0 ? 0 : static_cast<uint16_t>(0x100 + x * 5 + y * 11));
    const int32_t scrollX = 400, scrollY = 300;
    const CellRect drawn{scrollX - 1, scrollY - 1, scrollX + 15, scrollY + 11};
    for (auto _ : state) {
        const CellWrites stamp = StampWrites(map, block, CellPoint{scrollX + 3, scrollY + 2}, small, large, drawn);
        ComposeMapViewWith(backBuffer, backdrop, smallSheet, largeSheet, map, scrollX, scrollY,
                           LayerVisibility{}, stamp);
        benchmark::DoNotOptimize(backBuffer.Row(0));
    }
}
BENCHMARK(BM_PastePreview)->Arg(2)->Arg(60)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
