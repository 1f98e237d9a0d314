#include "map/core/StageEdits.h"

#include <algorithm>
#include <utility>

namespace {

constexpr uint32_t KeyOf(uint32_t index, uint32_t layer) { return index * 4 + layer; }
constexpr uint32_t IndexOf(uint32_t key) { return key / 4; }
constexpr int LayerOf(uint32_t key) { return static_cast<int>(key % 4); }

// Index * 4 + layer must fit 32 bits for every cell a map may have.
static_assert(uint64_t{kMaxMapCells} * 4 <= UINT32_MAX, "cell keys must fit 32 bits");

bool LeavesCellAsItIs(const MapCell& old, const MapCell& value) {
    return old == value || (old.chipId == 0 && value.chipId == 0);
}

}  // namespace

bool CellChangesEdit::FirstWrite(uint32_t key, size_t cellCount) {
    if (!written) {
        writtenWords = (cellCount * 4 + 63) / 64;
        written.reset(static_cast<uint64_t*>(std::calloc(writtenWords, sizeof(uint64_t))));
        // Without the bitmap every write is kept; undo then restores the oldest value last,
        // which is still right, only larger.
        if (!written) return true;
    }
    uint64_t& word = written[key / 64];
    const uint64_t bit = uint64_t{1} << (key % 64);
    if (word & bit) return false;
    word |= bit;
    return true;
}

bool CellChangesEdit::Write(MapModel& map, const CellWrite& write) {
    if (write.layer > 2 || write.index >= map.CellCount()) return false;
    MapCell& cell = map.Layer(write.layer)[write.index];
    if (LeavesCellAsItIs(cell, write.cell)) return false;
    const uint32_t key = KeyOf(write.index, write.layer);
    if (FirstWrite(key, map.CellCount())) entries.push_back(Entry{key, cell});
    cell = write.cell;
    return true;
}

bool CellChangesEdit::WriteOnce(MapModel& map, const CellWrite& write) {
    if (write.layer > 2 || write.index >= map.CellCount()) return false;
    MapCell& cell = map.Layer(write.layer)[write.index];
    if (LeavesCellAsItIs(cell, write.cell)) return false;
    entries.push_back(Entry{KeyOf(write.index, write.layer), cell});
    cell = write.cell;
    return true;
}

void CellChangesEdit::Close() {
    written.reset();
    writtenWords = 0;
    entries.shrink_to_fit();
}

bool CellChangesEdit::Swap(StageContent& content) {
    MapModel& map = content.map;
    // Newest first, so that a cell kept twice (see FirstWrite) ends at its oldest value.
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        const uint32_t index = IndexOf(entry->key);
        if (index >= map.CellCount()) continue;  // cannot happen: the size is as when written
        std::swap(map.Layer(LayerOf(entry->key))[index], entry->other);
    }
    return true;
}

size_t CellChangesEdit::Bytes() const {
    return sizeof(*this) + entries.capacity() * sizeof(Entry) + writtenWords * sizeof(uint64_t);
}

std::unique_ptr<WholeMapEdit> WholeMapEdit::Clear(MapModel& map) {
    std::unique_ptr<WholeMapEdit> edit(new WholeMapEdit);
    if (!edit->other.MakeEmpty(map.mapWidth, map.mapHeight)) return nullptr;
    map.Swap(edit->other);
    return edit;
}

bool WholeMapEdit::Swap(StageContent& content) {
    content.map.Swap(other);
    return true;
}

size_t WholeMapEdit::Bytes() const { return sizeof(*this) + other.CellCount() * 3 * sizeof(MapCell); }

std::unique_ptr<ResizeEdit> ResizeEdit::Make(MapModel& map, int32_t width, int32_t height) {
    if (width == map.mapWidth && height == map.mapHeight) return nullptr;
    MapCellCounts newCounts;
    if (!MapModel::CountsForSize(width, height, newCounts)) return nullptr;
    std::unique_ptr<ResizeEdit> edit(new ResizeEdit);
    const MapCellCounts oldCounts = map.CellCounts();
    for (uint32_t layer = 0; layer < 3; ++layer) {
        const MapCell* cells = map.Layer(static_cast<int>(layer));
        if (cells == nullptr) continue;
        for (uint32_t row = 0; row < oldCounts.cellsY; ++row) {
            // Only the columns past the new width, or the whole row when it is past the new
            // height, are cut off.
            const uint32_t firstCut = row < newCounts.cellsY ? newCounts.cellsX : 0;
            for (uint32_t column = firstCut; column < oldCounts.cellsX; ++column) {
                const uint32_t index = row * oldCounts.cellsX + column;
                if (!(cells[index] == MapCell{}))
                    edit->cut.push_back(CutCell{KeyOf(index, layer), cells[index]});
            }
        }
    }
    edit->cut.shrink_to_fit();
    edit->otherWidth = map.mapWidth;
    edit->otherHeight = map.mapHeight;
    if (!map.ResizeMap(width, height)) return nullptr;
    return edit;
}

bool ResizeEdit::Swap(StageContent& content) {
    MapModel& map = content.map;
    const int32_t width = map.mapWidth;
    const int32_t height = map.mapHeight;
    if (!map.ResizeMap(otherWidth, otherHeight)) return false;
    otherWidth = width;
    otherHeight = height;
    atNewSize = !atNewSize;
    if (!atNewSize) {
        // Back at the old size: the cut cells return to where they were.
        for (const CutCell& c : cut) map.Layer(LayerOf(c.key))[IndexOf(c.key)] = c.cell;
    }
    return true;
}

size_t ResizeEdit::Bytes() const { return sizeof(*this) + cut.capacity() * sizeof(CutCell); }

bool SettingsEdit::Swap(StageContent& content) {
    std::swap(content.settings, other);
    return true;
}

void ConflictEdit::Apply(StageContent& content, const CellWrites& writes) {
    for (const CellWrite& write : writes) cells.WriteOnce(content.map, write);
    cells.Close();
    content.conflicts.SetOpen(index, false);
}

bool ConflictEdit::Swap(StageContent& content) {
    cells.Swap(content);
    content.conflicts.SetOpen(index, !content.conflicts.IsOpen(index));
    return true;
}

void FieldConflictEdit::Apply(StageContent& content, const StageSettings* taken) {
    setsValue = taken != nullptr;
    if (setsValue) {
        other = *taken;
        std::swap(content.settings, other);
    }
    content.conflicts.SetFieldOpen(index, false);
}

bool FieldConflictEdit::Swap(StageContent& content) {
    if (setsValue) std::swap(content.settings, other);
    content.conflicts.SetFieldOpen(index, !content.conflicts.IsFieldOpen(index));
    return true;
}
