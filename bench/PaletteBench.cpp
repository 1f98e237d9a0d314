// One palette redraw's pixel work (clear, clip, keyed copy of a 512 x 512 sheet) beside
// a plain clear and memcpy of the same bytes, the least any redraw could cost.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>

#include "render/core/PaletteCompose.h"
#include "render/core/PixelSurface.h"

namespace {

constexpr int32_t kSheetSide = 512;

// A chip sheet as drawn: 40 x 40 chips with black (key) margins and black holes inside
// the chip shapes, roughly a third of all pixels black, the rest varied colours.
void FillChipSheet(MemorySurface& sheet) {
    uint32_t noise = 12345;
    for (int32_t y = 0; y < sheet.height; ++y) {
        for (int32_t x = 0; x < sheet.width; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int32_t cx = x % 40, cy = y % 40;
            const bool margin = cx < 4 || cx >= 36 || cy < 4 || cy >= 36;
            const bool hole = ((cx - 20) * (cx - 20) + (cy - 20) * (cy - 20)) < 60;
            const bool speck = (noise >> 24) < 16;
            sheet.SetPixel(x, y, (margin || hole || speck)
                                     ? 0
                                     : static_cast<uint16_t>(1 + ((noise >> 8) & 0x7FFE)));
        }
    }
    sheet.colorKey = 0;
}

void BM_PaletteCompose(benchmark::State& state) {
    MemorySurface sheet(kSheetSide, kSheetSide), work(kSheetSide, kSheetSide);
    FillChipSheet(sheet);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComposePalette(work, sheet));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t{sheet.pitch} * sheet.height);
}
BENCHMARK(BM_PaletteCompose);

void BM_PaletteClearAndMemcpyBaseline(benchmark::State& state) {
    MemorySurface sheet(kSheetSide, kSheetSide), work(kSheetSide, kSheetSide);
    FillChipSheet(sheet);
    const size_t bytes = static_cast<size_t>(sheet.pitch) * static_cast<size_t>(sheet.height);
    for (auto _ : state) {
        work.Clear();
        benchmark::ClobberMemory();
        std::memcpy(work.pixels, sheet.pixels, bytes);
        benchmark::DoNotOptimize(work.pixels);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_PaletteClearAndMemcpyBaseline);

}  // namespace
