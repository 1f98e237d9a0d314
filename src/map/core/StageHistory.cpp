#include "map/core/StageHistory.h"

#include <utility>

void StageHistory::Push(std::unique_ptr<StageEdit> edit) {
    DropRedoSteps();
    const size_t size = edit->Bytes();
    steps.push_back(Step{std::move(edit), ++lastId, size});
    position = steps.size();
    bytes += size;
    DropOldestBeyondLimit();
}

void StageHistory::NewestGrew() {
    if (steps.empty()) return;
    Step& newest = steps.back();
    bytes -= newest.bytes;
    newest.bytes = newest.edit->Bytes();
    bytes += newest.bytes;
    DropOldestBeyondLimit();
}

bool StageHistory::Undo(StageContent& content) {
    if (!CanUndo() || !steps[position - 1].edit->Swap(content)) return false;
    --position;
    return true;
}

bool StageHistory::Redo(StageContent& content) {
    if (!CanRedo() || !steps[position].edit->Swap(content)) return false;
    ++position;
    return true;
}

void StageHistory::Clear() {
    steps.clear();
    position = 0;
    bytes = 0;
    baseId = ++lastId;  // a save point of the old history never matches again
}

void StageHistory::DropRedoSteps() {
    while (steps.size() > position) {
        bytes -= steps.back().bytes;
        steps.pop_back();
    }
}

void StageHistory::DropOldestBeyondLimit() {
    // Steps past the position are gone already (a push drops them), so the oldest is applied.
    while (bytes > limit && steps.size() > 1 && position > 1) {
        bytes -= steps.front().bytes;
        baseId = steps.front().id;
        steps.pop_front();
        --position;
    }
}
