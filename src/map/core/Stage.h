// The stage as Save writes it (size, the three layers of cells, the start position and
// whether it is specified, the four stage numbers, the comment) with its undo history.
// The main window owns one; every change goes through it, so that each can be undone and
// the stage always knows whether it differs from what was last opened or saved.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/Changes.h"
#include "map/core/CellWrite.h"
#include "map/core/MapDocument.h"
#include "map/core/MapModel.h"
#include "map/core/StageEdits.h"
#include "map/core/StageHistory.h"
#include "map/core/StageSettings.h"

class Stage {
public:
    // A new stage: 16 x 12 empty cells and the values a new map has.
    explicit Stage(size_t historyByteLimit = StageHistory::kDefaultByteLimit);

    const MapModel& Map() const { return content.map; }
    const StageSettings& Settings() const { return content.settings; }
    // The conflicts a merge left in the map's cells and values; none unless SetConflicts gave some.
    const ConflictMarks& Conflicts() const { return content.conflicts; }
    // Everything Save writes, as the map writer takes it.
    MapDocument Document() const;

    // ---- Whole stages. Each starts a new history, and the stage counts as saved.
    // An opened map: its size, the cells of layers 1, 2 and 0 (CountsForSize cells each, row
    // by row) and its values. False, changing nothing, when the size is refused or memory
    // runs out.
    bool Open(int32_t width, int32_t height, const std::vector<MapCell>& layer1,
              const std::vector<MapCell>& layer2, const std::vector<MapCell>& layer0,
              const StageSettings& settings);
    // New: 16 x 12 empty cells and a new map's stage numbers; the start position, its flag
    // and the comment stay. False, changing nothing, when memory runs out.
    bool New();

    // True while the stage differs from the state last opened, saved or made new, judged by
    // the history: undoing back to that state makes it unmodified again.
    bool IsModified() const { return history.StateId() != savedState; }
    void MarkSaved() {
        savedState = history.StateId();
        changes |= kChangedHistory;
    }
    // The current state matches no file: a stage recovered after a crash is modified until it
    // is saved, and undo cannot make it otherwise.
    void MarkUnsaved() {
        savedState = kNoSavedState;
        changes |= kChangedHistory;
    }
    // Names the current state: equal ids mean equal states, as far as the history knows (what
    // the recovery copy holds is judged by it).
    uint64_t StateId() const { return history.StateId(); }

    // The conflicts of the map just opened, every one open; no undo step. Opening another
    // map or New lets them go.
    void SetConflicts(ConflictMarks conflicts);

    // ---- Edits. Each is one undo step when it changes something, and true when it did.
    // Empties every cell of the three layers; size and values stay.
    bool ClearMap();
    // A new size keeping the cells both sizes share. False, changing nothing, when the size
    // is refused or memory runs out; the same size is no step but counts as done.
    bool ResizeMap(int32_t width, int32_t height);
    // New values for the start position, its flag, the stage numbers and the comment (a
    // comment above 256 bytes is refused whole: false, nothing changes).
    bool ChangeSettings(const StageSettings& settings);
    // Cell writes: they join the stroke being drawn, or else are one step of their own.
    // Writes outside the map or to a layer above 2 are skipped.
    bool WriteCells(const CellWrites& writes);
    // Closes one open conflict, writing `writes` (theirs taken; none to keep ours): one step,
    // also when no cell changes, so that undoing it opens the conflict again. False, changing
    // nothing, for a conflict that is not open.
    bool ResolveConflict(size_t index, const CellWrites& writes);
    // Closes one open conflict of a value, the settings becoming `taken` (theirs taken; null to
    // keep ours) in the same step, which undo takes back with them. False, changing nothing,
    // for a conflict that is not open or a comment above 256 bytes.
    bool ResolveFieldConflict(size_t index, const StageSettings* taken);

    // A drag stroke, from the press to the release: everything written meanwhile is one
    // step, whatever it crossed. Any other edit, undo or redo ends the stroke first.
    void BeginStroke();
    void EndStroke();
    bool InStroke() const { return stroke != nullptr || strokeInHistory != nullptr; }

    bool CanUndo() const { return history.CanUndo(); }
    bool CanRedo() const { return history.CanRedo(); }
    // Each false when there was nothing to undo or redo, or memory ran out (a resize).
    bool Undo();
    bool Redo();

    // What changed since the last call (Changes.h), for the displays to follow; then nothing.
    Changes TakeChanges() {
        const Changes taken = changes;
        changes = kNoChange;
        return taken;
    }

    size_t HistoryBytes() const { return history.Bytes(); }
    size_t UndoableSteps() const { return history.UndoableSteps(); }

private:
    // The history's ids count up from 0 and never reach this one.
    static constexpr uint64_t kNoSavedState = ~uint64_t{0};

    StageContent content;
    StageHistory history;
    uint64_t savedState;
    // A stroke not yet in the history (it has changed nothing so far), or the history's
    // newest step while the stroke goes on.
    std::unique_ptr<CellChangesEdit> stroke;
    CellChangesEdit* strokeInHistory = nullptr;
    Changes changes = kNoChange;

    void StartNewHistory();
};
