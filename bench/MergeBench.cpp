// The map tool's merge of two changed copies of a 1,000 x 1,000 map with a chip in every cell
// of every layer: the merge itself, and the whole of the tool's work short of the disk (reading
// the three files' bytes, the merge, writing the merged file's bytes). Ours and theirs each
// changed every hundredth cell of a layer of their own; the conflicting run has both change
// every cell of layer 1 differently, a million conflicts, and writes the conflicts file too.
#include <benchmark/benchmark.h>

#include "map/core/MapFileReader.h"
#include "map/core/MapFileWriter.h"
#include "map/core/MapMerge.h"
#include "map/core/MergeConflictsFile.h"

namespace {

constexpr int32_t kSide = 1000;

MapDocument FullMap() {
    MapDocument doc;
    doc.mapWidth = doc.mapHeight = kSide * 40;
    for (auto* ids : {&doc.layer0Ids, &doc.layer1Ids, &doc.layer2Ids}) {
        ids->resize(doc.CellCount());
        for (size_t i = 0; i < ids->size(); ++i) (*ids)[i] = static_cast<uint32_t>(1 + i % 50);
    }
    return doc;
}

struct MergeScene {
    MapDocument base = FullMap(), ours = base, theirs = base;
    explicit MergeScene(bool conflicting) {
        for (size_t i = 0; i < base.CellCount(); ++i) {
            if (conflicting) {
                ours.layer1Ids[i] = 100, theirs.layer1Ids[i] = 101;
            } else if (i % 100 == 0) {
                ours.layer0Ids[i] = 100, theirs.layer2Ids[i] = 101;
            }
        }
    }
};

void BM_MergeMaps(benchmark::State& state) {
    const MergeScene scene(state.range(0) != 0);
    for (auto _ : state) {
        MapMergeResult result = MergeMaps(scene.base, scene.ours, scene.theirs);
        benchmark::DoNotOptimize(result.merged.layer0Ids.data());
    }
}
BENCHMARK(BM_MergeMaps)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MergeFilesInMemory(benchmark::State& state) {
    const MergeScene scene(state.range(0) != 0);
    const std::vector<uint8_t> files[3] = {WriteBinaryMap(scene.base), WriteBinaryMap(scene.ours),
                                           WriteBinaryMap(scene.theirs)};
    for (auto _ : state) {
        MapReadResult read[3];
        for (int i = 0; i < 3; ++i) read[i] = ReadBinaryMap(files[i].data(), files[i].size());
        const MapMergeResult result = MergeMaps(read[0].document, read[1].document, read[2].document);
        const std::vector<uint8_t> merged = WriteBinaryMap(result.merged);
        benchmark::DoNotOptimize(merged.data());
        if (!result.conflicts.Empty()) {
            const std::string conflicts = MergeConflictsToJson(result.conflicts);
            benchmark::DoNotOptimize(conflicts.data());
        }
    }
}
BENCHMARK(BM_MergeFilesInMemory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
