// What the window "ステージ一覧" spends on a folder before it can show it: 200 map data files
// of 60 x 60 cells with a chip of the chip tables in every cell of every layer, each read from
// the disk, checked by the reader and drawn as a thumbnail by the overview's composition.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "BenchScene.h"
#include "core/ChipTable.h"
#include "files/FileAccess.h"
#include "map/core/MapFileWriter.h"
#include "map/core/StageList.h"

namespace {

void FillPalette(PaletteModel& palette, const uint32_t* table, size_t count) {
    palette.paletteSize = table[0];
    palette.BuildEntries(table + 1, count - 1);
}

// The chip id of a chip code of the tables.
uint32_t IdOf(uint32_t code) { return code % 1000; }

// Stages that differ from each other: chips of the tables chosen by cell and stage.
bool WriteStages(const std::string& folder, int32_t count, int32_t cells) {
    for (int32_t stage = 0; stage < count; ++stage) {
        MapDocument document;
        document.mapWidth = document.mapHeight = cells * 40;
        const size_t n = document.CellCount();
        document.layer2Ids.assign(n, 0);
        document.layer1Ids.assign(n, 0);
        document.layer0Ids.assign(n, 0);
        for (size_t i = 0; i < n; ++i) {
            const size_t k = i + static_cast<size_t>(stage) * 7;
            document.layer2Ids[i] = IdOf(LargeChipTable[1 + k % (kLargeChipTableLength - 1)]);
            document.layer1Ids[i] = IdOf(SmallChipTable[1 + k % (kSmallChipTableLength - 1)]);
            document.layer0Ids[i] = IdOf(SmallChipTable[1 + (k * 5) % (kSmallChipTableLength - 1)]);
        }
        document.targetTime = stage;
        const std::string comment = "stage " + std::to_string(stage);
        document.comment.assign(comment.begin(), comment.end());
        std::string reason;
        const std::string name = "stage" + std::to_string(stage) + ".bin";
        if (!files::ReplaceFileContents(files::JoinPath(folder, name), WriteBinaryMap(document), reason)) return false;
    }
    return true;
}

// Arguments: stages, cells a side. The whole listing of the folder, as the window re-lists it.
void BM_ListStages(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "picoran-bench-XXXXXX").string();
    if (mkdtemp(&folder[0]) == nullptr || !WriteStages(folder, static_cast<int32_t>(state.range(0)),
                                                       static_cast<int32_t>(state.range(1)))) {
        state.SkipWithError("cannot write the stages");
        return;
    }
    BenchPictures pictures(16, 12);
    PaletteModel small(kSmallPaletteArgument), large(kLargePaletteArgument);
    FillPalette(small, SmallChipTable, kSmallChipTableLength);
    FillPalette(large, LargeChipTable, kLargeChipTableLength);
    for (auto _ : state) {
        // A new window's thumbnails: the sheets scaled and the chips looked up afresh.
        StageThumbnails thumbnails(pictures.smallSheet, pictures.largeSheet, pictures.backdrop, small, large);
        std::vector<StageEntry> entries;
        std::string reason;
        if (!ListStages(folder, thumbnails, entries, reason) || entries.size() != static_cast<size_t>(state.range(0))) {
            state.SkipWithError("the folder was not listed whole");
            break;
        }
        SortStages(entries, StageSortKey::kName);
        benchmark::DoNotOptimize(entries.data());
    }
    std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(BM_ListStages)->Args({200, 60})->Unit(benchmark::kMillisecond);
