// The undo history of a stage: the edits made, the position between what can be undone and
// what can be redone, and which state of the stage was saved last.
#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

#include "map/core/StageEdits.h"

class StageHistory {
public:
    // The bytes the edits may keep in all. The oldest are dropped beyond it, never the
    // newest, which alone can be no larger than a change of every cell of the largest map.
    static constexpr size_t kDefaultByteLimit = size_t{64} << 20;

    explicit StageHistory(size_t byteLimit = kDefaultByteLimit) : limit(byteLimit) {}

    // An edit just made becomes the newest step: what could be redone is dropped, then the
    // oldest steps while the bound is passed.
    void Push(std::unique_ptr<StageEdit> edit);
    // The newest step grew (a stroke still being drawn when it was pushed).
    void NewestGrew();

    bool CanUndo() const { return position > 0; }
    bool CanRedo() const { return position < steps.size(); }
    // Each false, changing nothing, when there is no step or the edit could not swap.
    bool Undo(StageContent& content);
    bool Redo(StageContent& content);

    // Forgets every step: the stage's current state starts a new history.
    void Clear();

    // Names the stage's current state: equal ids mean equal states, as far as the history
    // knows. A state that a new change made unreachable is never named again.
    uint64_t StateId() const { return position > 0 ? steps[position - 1].id : baseId; }

    size_t Bytes() const { return bytes; }
    size_t UndoableSteps() const { return position; }

private:
    struct Step {
        std::unique_ptr<StageEdit> edit;
        uint64_t id;
        size_t bytes;
    };
    std::deque<Step> steps;
    size_t position = 0;  // steps[0, position) are applied
    uint64_t baseId = 0;  // the state before steps[0]
    uint64_t lastId = 0;
    size_t bytes = 0;
    size_t limit;

    void DropRedoSteps();
    void DropOldestBeyondLimit();
};
