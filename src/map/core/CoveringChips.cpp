#include "map/core/CoveringChips.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "map/core/ChipPainting.h"

namespace {

// The chip id a cell holds once the pending writes are applied (the last one for it counts).
uint32_t ChipIdAt(const MapModel& map, uint32_t index, int layer, const CellWrites& pending) {
    for (auto write = pending.rbegin(); write != pending.rend(); ++write) {
        if (write->index == index && write->layer == layer) return write->cell.chipId;
    }
    return map.Layer(layer)[index].chipId;
}

int32_t HalfOf(int32_t sheetPixels) {
    // The palettes show their sheets at half size; unsigned, as the pick has always done.
    return static_cast<int32_t>(static_cast<uint32_t>(sheetPixels) >> 1);
}

}  // namespace

bool CoveringLargeChip(const MapModel& map, CellPoint cell, StoredChip& found,
                       const CellWrites& pending, const LayerVisibility& shown) {
    const MapCellCounts counts = map.CellCounts();
    if (!map.HasLayers() || !InMap(cell, counts) || !shown.Shows(kLargeChipLayer)) return false;
    // Drawn last first: the left neighbour is visited after the upper ones.
    const CellPoint neighbours[] = {{cell.column - 1, cell.row},
                                    {cell.column, cell.row - 1},
                                    {cell.column - 1, cell.row - 1}};
    for (const CellPoint& neighbour : neighbours) {
        if (!InMap(neighbour, counts)) continue;
        const uint32_t index = IndexOf(neighbour, counts);
        if (ChipIdAt(map, index, kLargeChipLayer, pending) != 0) {
            found = StoredChip{index, kLargeChipLayer};
            return true;
        }
    }
    return false;
}

bool TopmostDrawnChip(const MapModel& map, CellPoint cell, StoredChip& found,
                      const CellWrites& pending, const LayerVisibility& shown) {
    const MapCellCounts counts = map.CellCounts();
    if (!map.HasLayers() || !InMap(cell, counts)) return false;
    const uint32_t index = IndexOf(cell, counts);
    for (int layer : {0, 1, 2}) {
        if (shown.Shows(layer) && ChipIdAt(map, index, layer, pending) != 0) {
            found = StoredChip{index, layer};
            return true;
        }
    }
    return CoveringLargeChip(map, cell, found, pending, shown);
}

PickResult PickDrawnChip(const MapModel& map, int32_t scrollX, int32_t scrollY, int32_t x,
                         int32_t y, const LayerVisibility& shown) {
    PickResult result;
    uint32_t index;
    if (!map.HasLayers() || !CellAt(map, scrollX, scrollY, x, y, index)) return result;
    const uint32_t cellsX = map.CellCounts().cellsX;
    const CellPoint cell{static_cast<int32_t>(index % cellsX), static_cast<int32_t>(index / cellsX)};
    StoredChip chip;
    if (!TopmostDrawnChip(map, cell, chip, {}, shown)) {
        result.kind = PickResult::Kind::kEraser;
        result.chip = ChipEntry{0, 0, 0, 3};
        return result;
    }
    const MapCell& stored = map.Layer(chip.layer)[chip.index];
    result.kind = PickResult::Kind::kChip;
    result.chip = ChipEntry{stored.chipId, static_cast<uint32_t>(stored.srcX),
                            static_cast<uint32_t>(stored.srcY), static_cast<uint32_t>(chip.layer)};
    result.palette = chip.layer == kLargeChipLayer ? PickResult::Palette::kLarge
                                                   : PickResult::Palette::kSmall;
    result.highlightX = HalfOf(stored.srcX);
    result.highlightY = HalfOf(stored.srcY);
    return result;
}

CellWrites EraseCellWrites(const MapModel& map, CellPoint cell, const CellWrites& pending) {
    CellWrites writes;
    const MapCellCounts counts = map.CellCounts();
    if (!map.HasLayers() || !InMap(cell, counts)) return writes;
    const uint32_t index = IndexOf(cell, counts);
    for (int layer : {2, 1, 0}) {
        if (ChipIdAt(map, index, layer, pending) != 0)
            writes.push_back(CellWrite{index, static_cast<uint8_t>(layer), MapCell{}});
    }
    // The covering chip is looked for as the map will be once the cell itself is empty.
    StoredChip covering;
    if (CoveringLargeChip(map, cell, covering, pending)) {
        writes.push_back(CellWrite{covering.index, kLargeChipLayer, MapCell{}});
    }
    return writes;
}

namespace {

// The last write of each cell of each layer, as its place in the list plus one; a layer no
// write reaches keeps no table, so a fill of one layer costs one table.
class LastWrites {
public:
    LastWrites(const MapModel& map, const CellWrites& writes) : map(map), writes(writes) {
        const size_t cells = map.CellCount();
        for (size_t i = 0; i < writes.size(); ++i) {
            const CellWrite& write = writes[i];
            if (write.layer > 2 || write.index >= cells) continue;
            std::vector<uint32_t>& table = last[write.layer];
            if (table.empty()) table.assign(cells, 0);
            table[write.index] = static_cast<uint32_t>(i + 1);
        }
    }
    bool IsLast(size_t i) const {
        const CellWrite& write = writes[i];
        return write.layer <= 2 && write.index < last[write.layer].size() && last[write.layer][write.index] == i + 1;
    }
    // Whether the cell holds a chip once the writes are applied.
    bool Holds(int layer, uint32_t index) const {
        const std::vector<uint32_t>& table = last[layer];
        if (!table.empty() && table[index] != 0) return writes[table[index] - 1].cell.chipId != 0;
        return map.Layer(layer)[index].chipId != 0;
    }

private:
    const MapModel& map;
    const CellWrites& writes;
    std::vector<uint32_t> last[3];
};

}  // namespace

uint32_t CoveredChipWrites(const MapModel& map, const CellWrites& writes) {
    if (!map.HasLayers() || writes.empty()) return 0;
    const MapCellCounts counts = map.CellCounts();
    const LastWrites after(map, writes);
    uint32_t covered = 0;
    for (size_t i = 0; i < writes.size(); ++i) {
        const CellWrite& write = writes[i];
        if (write.layer == 0 || write.cell.chipId == 0 || !after.IsLast(i)) continue;
        const CellPoint anchor{static_cast<int32_t>(write.index % counts.cellsX),
                               static_cast<int32_t>(write.index / counts.cellsX)};
        // A small chip shows in its own cell; a large one in the 2 x 2 cells from it.
        const int32_t reach = write.layer == kLargeChipLayer ? 2 : 1;
        bool under = false;
        for (int32_t dy = 0; dy < reach && !under; ++dy)
            for (int32_t dx = 0; dx < reach && !under; ++dx) {
                const CellPoint cell{anchor.column + dx, anchor.row + dy};
                if (!InMap(cell, counts)) continue;
                const uint32_t index = IndexOf(cell, counts);
                for (int upper = 0; upper < write.layer && !under; ++upper) under = after.Holds(upper, index);
            }
        if (under) ++covered;
    }
    return covered;
}

void CountWrittenChips(const MapModel& map, const CellWrites& writes, LayerChipCounts& counts) {
    if (!map.HasLayers() || writes.empty()) return;
    // A click's few writes are looked through; a fill's get the tables of LastWrites.
    constexpr size_t kFewWrites = 64;
    const bool few = writes.size() <= kFewWrites;
    static const CellWrites kNone;
    const LastWrites after(map, few ? kNone : writes);
    const auto isLast = [&](size_t i) {
        const CellWrite& w = writes[i];
        if (!few) return after.IsLast(i);
        if (w.layer > 2 || w.index >= map.CellCount()) return false;
        return std::none_of(writes.begin() + static_cast<std::ptrdiff_t>(i) + 1, writes.end(),
                            [&](const CellWrite& later) { return later.index == w.index && later.layer == w.layer; });
    };
    for (size_t i = 0; i < writes.size(); ++i) {
        const CellWrite& write = writes[i];
        if (!isLast(i)) continue;
        const bool held = map.Layer(write.layer)[write.index].chipId != 0;
        const bool holds = write.cell.chipId != 0;
        if (holds && !held) ++counts.cells[write.layer];
        if (held && !holds) --counts.cells[write.layer];
    }
}

LayerChipCounts CountLayerChips(const MapModel& map) {
    LayerChipCounts counts;
    if (!map.HasLayers()) return counts;
    const size_t cells = map.CellCount();
    for (int layer = 0; layer < 3; ++layer) {
        const MapCell* cell = map.Layer(layer);
        uint64_t holding = 0;
        for (size_t i = 0; i < cells; ++i) holding += cell[i].chipId != 0 ? 1 : 0;
        counts.cells[layer] = holding;
    }
    return counts;
}
