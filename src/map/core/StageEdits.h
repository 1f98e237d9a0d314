// The edits a stage's history holds. Each keeps only the values the stage does not hold at
// the moment, so undo and redo are one operation: swapping them in turns the stage into
// the state on the edit's other side.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "map/core/CellWrite.h"
#include "map/core/ConflictMarks.h"
#include "map/core/MapModel.h"
#include "map/core/StageSettings.h"

// What the edits work on: everything a map file carries, and the conflicts a merge left in
// its cells and values (never saved with it).
struct StageContent {
    MapModel map;
    StageSettings settings;
    ConflictMarks conflicts;
};

class StageEdit {
public:
    virtual ~StageEdit() = default;
    // Undo after the edit was made, redo after it was undone. False, changing nothing, when
    // memory runs out (only a resize allocates).
    virtual bool Swap(StageContent& content) = 0;
    // Bytes the edit keeps, for the history's bound.
    virtual size_t Bytes() const = 0;
};

// Cells changed by painting, a fill, a clear: each changed cell with its value from before.
// Costs 16 bytes a changed cell, whatever the map's size.
class CellChangesEdit : public StageEdit {
public:
    static constexpr size_t kBytesPerChange = 16;

    // Writes one cell and keeps its value from before the edit, once: a cell written again
    // keeps its first value, so a stroke that crosses itself still undoes as a whole. True
    // when the cell changed; an empty cell that stays empty is unchanged, whatever sheet
    // position the write carries, since a file stores chip ids only.
    bool Write(MapModel& map, const CellWrite& write);
    // The same for a cell the edit has not written yet and will not write again (a clear
    // visits each cell once): no record of written cells is needed.
    bool WriteOnce(MapModel& map, const CellWrite& write);
    // Room for `more` changed cells, so that a large change grows its record once.
    void Reserve(size_t more) { entries.reserve(entries.size() + more); }
    // The edit is complete: the record of which cells it wrote is let go.
    void Close();
    bool Empty() const { return entries.empty(); }
    size_t ChangedCells() const { return entries.size(); }

    bool Swap(StageContent& content) override;
    size_t Bytes() const override;

private:
    struct Entry {
        uint32_t key;  // index * 4 + layer
        MapCell other;
    };
    static_assert(sizeof(Entry) == kBytesPerChange, "a changed cell costs 16 bytes");
    struct FreeBits {
        void operator()(uint64_t* bits) const { std::free(bits); }
    };
    std::vector<Entry> entries;
    // One bit per key while the edit is open. calloc, so a large map's bitmap costs
    // nothing until cells are written.
    std::unique_ptr<uint64_t[], FreeBits> written;
    size_t writtenWords = 0;

    bool FirstWrite(uint32_t key, size_t cellCount);
};

// The whole map as it was, for a change of most cells of a large map (a clear): keeping the
// old layers costs less than listing the changed cells, and undo only exchanges them.
class WholeMapEdit : public StageEdit {
public:
    // Gives the map empty layers of its own size and keeps the old ones. Null, changing
    // nothing, when memory runs out.
    static std::unique_ptr<WholeMapEdit> Clear(MapModel& map);

    bool Swap(StageContent& content) override;
    size_t Bytes() const override;

private:
    MapModel other;
};

// A new size: the cells the smaller size cut off are kept, so undo brings them back exactly.
class ResizeEdit : public StageEdit {
public:
    // Resizes the map; null, changing nothing, when the model refuses the size or memory
    // runs out, or when the size is what it was.
    static std::unique_ptr<ResizeEdit> Make(MapModel& map, int32_t width, int32_t height);

    bool Swap(StageContent& content) override;
    size_t Bytes() const override;

private:
    struct CutCell {
        uint32_t key;  // index * 4 + layer, at the larger size
        MapCell cell;
    };
    int32_t otherWidth = 0;
    int32_t otherHeight = 0;
    bool atNewSize = true;  // the map has the size the edit gave it
    std::vector<CutCell> cut;  // cells of the old size outside the new one, not empty
};

// The start position, its flag, the stage numbers and the comment.
class SettingsEdit : public StageEdit {
public:
    explicit SettingsEdit(const StageSettings& before) : other(before) {}
    bool Swap(StageContent& content) override;
    size_t Bytes() const override { return sizeof(*this) + other.comment.capacity(); }

private:
    StageSettings other;
};

// One conflict resolved: closed, and with theirs taken, its cell written. Undo opens it again.
class ConflictEdit : public StageEdit {
public:
    explicit ConflictEdit(size_t conflictIndex) : index(conflictIndex) {}
    // Writes the cells and closes the conflict.
    void Apply(StageContent& content, const CellWrites& writes);
    bool Swap(StageContent& content) override;
    size_t Bytes() const override { return sizeof(*this) + cells.Bytes(); }

private:
    size_t index;
    CellChangesEdit cells;
};

// One conflict of a value resolved: closed, and with theirs taken, the settings given theirs'
// value in the same step. Undo opens it again with the settings from before.
class FieldConflictEdit : public StageEdit {
public:
    explicit FieldConflictEdit(size_t fieldIndex) : index(fieldIndex) {}
    // Closes the conflict; with `taken`, the stage's settings become those.
    void Apply(StageContent& content, const StageSettings* taken);
    bool Swap(StageContent& content) override;
    size_t Bytes() const override { return sizeof(*this) + other.comment.capacity(); }

private:
    size_t index;
    bool setsValue = false;
    StageSettings other;  // the settings the stage does not hold at the moment, when setsValue
};
