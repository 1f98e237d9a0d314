#include "map/core/FloodFill.h"

namespace {

// Scanline walk: a popped seed grows into the widest span of matching unvisited cells of its
// row, and every run of matching unvisited cells just above and below that span pushes one
// seed. Each cell is tested a few times at most, and the stack holds seeds, not cells.
template <class Same>
std::vector<CellSpan> Walk(MapCellCounts counts, uint32_t seedColumn, uint32_t seedRow, Same same) {
    const uint32_t cellsX = counts.cellsX;
    std::vector<uint8_t> visited(size_t{cellsX} * counts.cellsY, 0);
    std::vector<CellSpan> spans;
    struct Seed {
        uint32_t column;
        uint32_t row;
    };
    std::vector<Seed> stack{{seedColumn, seedRow}};
    const auto open = [&](size_t index) { return visited[index] == 0 && same(index); };
    while (!stack.empty()) {
        const Seed seed = stack.back();
        stack.pop_back();
        const size_t rowStart = size_t{seed.row} * cellsX;
        if (visited[rowStart + seed.column] != 0) continue;  // reached from another seed
        uint32_t first = seed.column;
        uint32_t last = seed.column;
        while (first > 0 && open(rowStart + first - 1)) --first;
        while (last + 1 < cellsX && open(rowStart + last + 1)) ++last;
        for (uint32_t column = first; column <= last; ++column) visited[rowStart + column] = 1;
        spans.push_back(CellSpan{seed.row, first, last});
        for (const int64_t row : {int64_t{seed.row} - 1, int64_t{seed.row} + 1}) {
            if (row < 0 || row >= counts.cellsY) continue;
            const size_t neighbourStart = static_cast<size_t>(row) * cellsX;
            bool inRun = false;
            for (uint32_t column = first; column <= last; ++column) {
                const bool matches = open(neighbourStart + column);
                if (matches && !inRun) stack.push_back(Seed{column, static_cast<uint32_t>(row)});
                inRun = matches;
            }
        }
    }
    return spans;
}

}  // namespace

std::vector<CellSpan> FillRegion(const MapModel& map, CellPoint seed, RegionLayers layers) {
    const MapCellCounts counts = map.CellCounts();
    if (!map.HasLayers() || !InMap(seed, counts)) return {};
    const size_t seedIndex = IndexOf(seed, counts);
    const auto column = static_cast<uint32_t>(seed.column);
    const auto row = static_cast<uint32_t>(seed.row);
    if (layers == RegionLayers::kAllThree) {
        const MapCell* l0 = map.Layer(0);
        const MapCell* l1 = map.Layer(1);
        const MapCell* l2 = map.Layer(2);
        const uint32_t id0 = l0[seedIndex].chipId, id1 = l1[seedIndex].chipId,
                       id2 = l2[seedIndex].chipId;
        return Walk(counts, column, row, [=](size_t i) {
            return l0[i].chipId == id0 && l1[i].chipId == id1 && l2[i].chipId == id2;
        });
    }
    const MapCell* cells = map.Layer(static_cast<int>(layers));
    const uint32_t id = cells[seedIndex].chipId;
    return Walk(counts, column, row, [=](size_t i) { return cells[i].chipId == id; });
}
