// Cost of the terrain rules: a stroke of the terrain brush with its neighbours re-fitted, on a
// small and a large map, and the map tool's re-fitting of a whole 1,000 x 1,000 map of one
// terrain.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/ChipTable.h"
#include "core/PaletteModel.h"
#include "map/core/ChipPainting.h"
#include "map/core/terrain/TerrainFile.h"
#include "map/core/terrain/TerrainRules.h"

namespace {

// One set of layer 1 with a chip for every combination of corners, and a second full chip a
// quarter as likely as the first.
TerrainSets GroundSets() {
    const uint32_t codes[kCornerCombinations] = {0,    1002, 1004, 1006, 1161, 1008, 1009, 1141,
                                                 1142, 1202, 1204, 1206, 1014, 1013, 1032, 1038};
    std::string chips;
    for (int corners = 1; corners < kCornerCombinations; ++corners) {
        chips += "{\"chip\": " + std::to_string(codes[corners]) + ", \"corners\": \"" +
                 CornerText(static_cast<uint8_t>(corners)) + "\"}, ";
    }
    chips += "{\"chip\": 1037, \"corners\": \"####\", \"weight\": 0.25}";
    PaletteModel small(kSmallPaletteArgument), large(kLargePaletteArgument);
    small.paletteSize = SmallChipTable[0];
    large.paletteSize = LargeChipTable[0];
    small.BuildEntries(SmallChipTable + 1, kSmallChipTableLength - 1);
    large.BuildEntries(LargeChipTable + 1, kLargeChipTableLength - 1);
    TerrainSets sets;
    std::string error;
    ReadTerrainSets("{\"terrains\": [{\"name\": \"ground\", \"layer\": 1, \"chips\": [" + chips + "]}]}", small,
                    large, sets, error);
    return sets;
}

// The full chip in layer 1 of every cell of the rectangle.
void FillWithTerrain(MapModel& map, const TerrainSets& sets, int32_t columns, int32_t rows) {
    const MapCell full = CellOf(sets.Set(0).FullChip().chip);
    const uint32_t cellsX = map.CellCounts().cellsX;
    for (int32_t row = 0; row < rows; ++row)
        for (int32_t column = 0; column < columns; ++column) map.Layer(1)[row * cellsX + column] = full;
}

// 100 cells from (4, 4) down and to the right, as a quick diagonal drag leaves them: a step
// right or down by a fixed ragged pattern, as many of each.
std::vector<CellPoint> RaggedPath() {
    const char steps[] = "RDRRDRDDRDRDRRDDRD";
    std::vector<CellPoint> cells;
    CellPoint cell{4, 4};
    for (int i = 0; i < 100; ++i) {
        cells.push_back(cell);
        (steps[i % (sizeof steps - 1)] == 'R' ? cell.column : cell.row) += 1;
    }
    return cells;
}

// The stroke crosses the edge of a 30 x 30 patch of the terrain in the map's top-left corner,
// so it re-fits cells of the patch, of its edge and empty ones.
void BM_TerrainStroke100Cells(benchmark::State& state) {
    const auto side = static_cast<int32_t>(state.range(0));
    const TerrainSets sets = GroundSets();
    MapModel map;
    map.ResizeMap(side * 40, side * 40);
    FillWithTerrain(map, sets, 30, 30);
    const std::vector<CellPoint> path = RaggedPath();
    const ChipRandom random(7);
    for (auto _ : state) {
        TerrainWrites writes = TerrainPaintWrites(map, sets, 0, path, true, random);
        benchmark::DoNotOptimize(writes.writes.data());
        if (writes.writes.empty()) state.SkipWithError("the stroke wrote nothing");
    }
}
BENCHMARK(BM_TerrainStroke100Cells)->Arg(60)->Arg(1000)->Unit(benchmark::kMicrosecond);

// Re-fitting a 1,000 x 1,000 map. Argument 0: every cell holds the full chip already, so every
// cell is read and none is written. Argument 1: 20 x 20 patches of the full chip 50 cells apart
// on empty ground (16 % of the cells), whose edges are all written; an empty cell beside no
// terrain costs the most to read.
void BM_AutotileWholeMap(benchmark::State& state) {
    const bool patches = state.range(0) != 0;
    const TerrainSets sets = GroundSets();
    MapModel map;
    map.ResizeMap(1000 * 40, 1000 * 40);
    FillWithTerrain(map, sets, 1000, 1000);
    for (uint32_t i = 0; patches && i < map.CellCount(); ++i) {
        if (i / 1000 % 50 >= 20 || i % 1000 % 50 >= 20) map.Layer(1)[i] = MapCell{};
    }
    const ChipRandom random(0);
    for (auto _ : state) {
        TerrainWrites writes = AutotileWrites(map, sets, random);
        benchmark::DoNotOptimize(writes.writes.data());
        if (writes.writes.empty() == patches) state.SkipWithError("not the cells expected written");
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(map.CellCount()));
}
BENCHMARK(BM_AutotileWholeMap)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
