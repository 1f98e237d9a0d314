#include "map/core/Stage.h"

#include <utility>

#include "render/core/ViewGeometry.h"

Stage::Stage(size_t historyByteLimit) : history(historyByteLimit) { savedState = history.StateId(); }

MapDocument Stage::Document() const {
    MapDocument document;
    const MapModel& map = content.map;
    document.mapWidth = map.mapWidth;
    document.mapHeight = map.mapHeight;
    const size_t count = map.CellCount();
    std::vector<uint32_t>* ids[] = {&document.layer0Ids, &document.layer1Ids, &document.layer2Ids};
    for (int layer = 0; layer < 3; ++layer) {
        const MapCell* cells = map.Layer(layer);
        ids[layer]->assign(count, 0);
        for (size_t i = 0; cells != nullptr && i < count; ++i) (*ids[layer])[i] = cells[i].chipId;
    }
    const StageSettings& settings = content.settings;
    document.startX = settings.startX;
    document.startY = settings.startY;
    document.startUnspecified = settings.startUnspecified;
    document.SetStage(settings.numbers);
    document.comment.assign(settings.comment.begin(), settings.comment.end());
    return document;
}

void Stage::StartNewHistory() {
    if (!content.conflicts.Empty()) changes |= kChangedConflicts;
    content.conflicts = ConflictMarks{};
    stroke.reset();
    strokeInHistory = nullptr;
    history.Clear();
    MarkSaved();
    changes |= kChangedStage;
}

bool Stage::Open(int32_t width, int32_t height, const std::vector<MapCell>& layer1,
                 const std::vector<MapCell>& layer2, const std::vector<MapCell>& layer0,
                 const StageSettings& settings) {
    std::string comment;
    if (!CommentFromBytes(settings.comment.data(), static_cast<int32_t>(settings.comment.size()),
                          comment)) {
        return false;
    }
    if (!content.map.ReplaceCells(width, height, layer1, layer2, layer0)) return false;
    content.settings = settings;
    content.settings.comment = std::move(comment);
    StartNewHistory();
    return true;
}

bool Stage::New() {
    const std::vector<MapCell> empty(size_t{kViewColumns} * kViewRows);
    if (!content.map.ReplaceCells(kViewWidth, kViewHeight, empty, empty, empty)) return false;
    content.settings.numbers = StageNumbers{};
    StartNewHistory();
    return true;
}

bool Stage::ClearMap() {
    EndStroke();
    MapModel& map = content.map;
    const size_t count = map.CellCount();
    // A list costs 16 bytes a filled cell, the old layers 36 bytes a cell: the cheaper is kept.
    const size_t manyFilled = count * 3 * sizeof(MapCell) / CellChangesEdit::kBytesPerChange;
    size_t filled = 0;
    for (uint8_t layer = 0; layer < 3 && filled <= manyFilled; ++layer) {
        const MapCell* cells = map.Layer(layer);
        for (size_t i = 0; cells != nullptr && i < count; ++i) filled += cells[i].chipId != 0;
    }
    if (filled == 0) return false;
    if (filled > manyFilled) {
        std::unique_ptr<WholeMapEdit> whole = WholeMapEdit::Clear(map);
        if (whole) {
            history.Push(std::move(whole));
            changes |= kChangedCells | kChangedHistory;
            return true;
        }
    }
    auto edit = std::make_unique<CellChangesEdit>();
    edit->Reserve(filled);
    for (uint8_t layer = 0; layer < 3; ++layer) {
        const MapCell* cells = map.Layer(layer);
        for (size_t i = 0; cells != nullptr && i < count; ++i) {
            if (cells[i].chipId != 0)
                edit->WriteOnce(map, CellWrite{static_cast<uint32_t>(i), layer, MapCell{}});
        }
    }
    edit->Close();
    history.Push(std::move(edit));
    changes |= kChangedCells | kChangedHistory;
    return true;
}

bool Stage::ResizeMap(int32_t width, int32_t height) {
    EndStroke();
    if (width == content.map.mapWidth && height == content.map.mapHeight) return true;
    std::unique_ptr<ResizeEdit> edit = ResizeEdit::Make(content.map, width, height);
    if (!edit) return false;
    history.Push(std::move(edit));
    changes |= kChangedSize | kChangedCells | kChangedHistory;
    return true;
}

bool Stage::ChangeSettings(const StageSettings& settings) {
    EndStroke();
    std::string comment;
    if (!CommentFromBytes(settings.comment.data(), static_cast<int32_t>(settings.comment.size()),
                          comment)) {
        return false;
    }
    StageSettings next = settings;
    next.comment = std::move(comment);
    if (next == content.settings) return false;
    auto edit = std::make_unique<SettingsEdit>(content.settings);
    content.settings = std::move(next);
    history.Push(std::move(edit));
    changes |= kChangedSettings | kChangedHistory;
    return true;
}

bool Stage::WriteCells(const CellWrites& writes) {
    const bool ownStep = !InStroke();
    if (ownStep) BeginStroke();
    // A fill or a stamp brings many writes at once; a stroke brings a few at a time.
    constexpr size_t kManyWrites = 64;
    if (writes.size() > kManyWrites) (strokeInHistory != nullptr ? *strokeInHistory : *stroke).Reserve(writes.size());
    bool changed = false;
    for (const CellWrite& write : writes) {
        CellChangesEdit& edit = strokeInHistory != nullptr ? *strokeInHistory : *stroke;
        if (!edit.Write(content.map, write)) continue;
        changed = true;
        if (strokeInHistory == nullptr) {
            // The stroke's first change: from now on it is the history's newest step.
            strokeInHistory = stroke.get();
            history.Push(std::move(stroke));
        }
    }
    if (ownStep) EndStroke();
    if (changed) changes |= kChangedCells | kChangedHistory;
    return changed;
}

void Stage::SetConflicts(ConflictMarks conflicts) {
    content.conflicts = std::move(conflicts);
    changes |= kChangedConflicts;
}

bool Stage::ResolveConflict(size_t index, const CellWrites& writes) {
    EndStroke();
    if (!content.conflicts.IsOpen(index)) return false;
    auto edit = std::make_unique<ConflictEdit>(index);
    edit->Apply(content, writes);
    history.Push(std::move(edit));
    changes |= kChangedCells | kChangedConflicts | kChangedHistory;
    return true;
}

bool Stage::ResolveFieldConflict(size_t index, const StageSettings* taken) {
    EndStroke();
    if (!content.conflicts.IsFieldOpen(index)) return false;
    if (taken != nullptr && taken->comment.size() > kMaxCommentBytes) return false;
    auto edit = std::make_unique<FieldConflictEdit>(index);
    edit->Apply(content, taken);
    history.Push(std::move(edit));
    changes |= kChangedConflicts | kChangedHistory;
    // A value the dialogs did not set: their boxes show the stage's values again.
    if (taken != nullptr) changes |= kChangedSettings | kChangedWholeStage;
    return true;
}

void Stage::BeginStroke() {
    EndStroke();
    stroke = std::make_unique<CellChangesEdit>();
}

void Stage::EndStroke() {
    stroke.reset();
    if (strokeInHistory == nullptr) return;
    strokeInHistory->Close();
    strokeInHistory = nullptr;
    history.NewestGrew();
}

// A step may have changed anything the stage holds; everything shows it again.
bool Stage::Undo() {
    EndStroke();
    if (!history.Undo(content)) return false;
    changes |= kChangedStage | (content.conflicts.Empty() ? kNoChange : kChangedConflicts);
    return true;
}

bool Stage::Redo() {
    EndStroke();
    if (!history.Redo(content)) return false;
    changes |= kChangedStage | (content.conflicts.Empty() ? kNoChange : kChangedConflicts);
    return true;
}

bool CommentFromBytes(const char* bytes, int32_t length, std::string& comment) {
    if (length < 0 || static_cast<size_t>(length) > kMaxCommentBytes) return false;
    if (bytes == nullptr && length > 0) return false;
    size_t kept = 0;
    while (kept < static_cast<size_t>(length) && bytes[kept] != '\0') ++kept;
    comment.assign(bytes == nullptr ? "" : bytes, kept);
    return true;
}
