// What the editor's timer spends on a recovery copy, on a 60 x 60 and a 1,000 x 1,000 map
// with a chip in every cell of every layer: the stage's document, the copy's bytes (the map
// writer and the check value), and the whole of it with the atomic replace on disk (the
// temporary file, the flush to the disk, the rename) into a folder under /tmp.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "files/FileAccess.h"
#include "map/core/RecoveryFile.h"
#include "map/core/Stage.h"

namespace {

const std::string kMapPath = "C:\\Users\\designer\\maps\\stage1.bin";

void OpenFullMap(Stage& stage, int32_t cells) {
    const size_t count = static_cast<size_t>(cells) * cells;
    std::vector<MapCell> layer(count);
    for (size_t i = 0; i < count; ++i) layer[i] = MapCell{static_cast<uint32_t>(1 + i % 50), 40, 40};
    stage.Open(cells * 40, cells * 40, layer, layer, layer, StageSettings{});
}

void BM_RecoveryCopyBytes(benchmark::State& state) {
    Stage stage;
    OpenFullMap(stage, static_cast<int32_t>(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> copy = WriteRecoveryFile(kMapPath, stage.Document());
        bytes = copy.size();
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void BM_RecoveryCopyWritten(benchmark::State& state) {
    Stage stage;
    OpenFullMap(stage, static_cast<int32_t>(state.range(0)));
    std::string folder = (std::filesystem::temp_directory_path() / "picoran-bench-XXXXXX").string();
    if (mkdtemp(&folder[0]) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = folder + "/20261210-120000-00000001.recovery";
    size_t bytes = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> copy = WriteRecoveryFile(kMapPath, stage.Document());
        std::string reason;
        if (!files::ReplaceFileContents(path, copy, reason)) {
            state.SkipWithError(reason.c_str());
            break;
        }
        bytes = copy.size();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(BM_RecoveryCopyBytes)->Arg(60)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecoveryCopyWritten)->Arg(60)->Arg(1000)->Unit(benchmark::kMicrosecond);
