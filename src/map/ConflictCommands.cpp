#include "map/ConflictCommands.h"

#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "Editor.h"
#include "ErrorBox.h"
#include "Globals.h"
#include "MainWindow.h"
#include "PaletteWindow.h"
#include "WideText.h"
#include "core/ShiftJis.h"
#include "core/Texts.h"
#include "files/FileAccess.h"
#include "map/core/ConflictChoice.h"
#include "map/core/ConflictMarks.h"
#include "map/core/MergeConflictsFile.h"
#include "render/core/ViewCentering.h"

namespace {

// A conflicts file lists each cell on a line of some 30 bytes: far more than any map's cells.
constexpr size_t kMaxConflictsFileBytes = size_t{256} << 20;

bool ConflictsReady() { return editor != nullptr && mainWindow != nullptr; }

void TellConflictsRefused(const std::string& path, const std::string& reason) {
    ShowMessageAbout(mainWindow->handle, texts::kConflictsRefusedFormat, {WideFromUtf8(path), WideFromUtf8(reason)});
}

// A value in conflict as the message shows it, in Shift_JIS: the size in pixels as the size
// dialog takes it, the start as x, y, a number, or the comment's first bytes.
std::string FieldValueText(const MapDocument& doc, MergeField field) {
    constexpr size_t kCommentShown = 24;
    switch (field) {
    case MergeField::kSize: return std::to_string(doc.mapWidth) + " x " + std::to_string(doc.mapHeight);
    case MergeField::kStart:
        return doc.startUnspecified ? texts::kFieldStartUnspecified
                                    : std::to_string(doc.startX) + ", " + std::to_string(doc.startY);
    case MergeField::kTargetTime: return std::to_string(doc.targetTime);
    case MergeField::kTimeLimit: return std::to_string(doc.timeLimit);
    case MergeField::kBackgroundImage: return std::to_string(doc.backgroundImage);
    case MergeField::kMusic: return std::to_string(doc.music);
    case MergeField::kComment: {
        const auto* bytes = reinterpret_cast<const char*>(doc.comment.data());
        std::string shown(bytes, ShiftJisKeepLength(bytes, doc.comment.size(), kCommentShown));
        for (char& c : shown)
            if (c == '\r' || c == '\n') c = ' ';  // one line each in the message
        return "\"" + shown + (shown.size() < doc.comment.size() ? texts::kFieldCut : "") + "\"";
    }
    }
    return std::string();
}

// One value in conflict on a line: "NAME：こちら OURS　あちら THEIRS", in Shift_JIS.
std::string FieldConflictLine(const MergeConflicts& conflicts, MergeField field) {
    static const char* const kNames[kMergeFieldCount] = {
        texts::kFieldSize,      texts::kFieldStart, texts::kFieldTargetTime, texts::kFieldTimeLimit,
        texts::kFieldBackgroundImage, texts::kFieldMusic, texts::kFieldComment};
    return std::string(kNames[static_cast<int>(field)]) + texts::kFieldOursLabel + " " +
           FieldValueText(conflicts.ours, field) + texts::kFieldTheirsLabel + " " +
           FieldValueText(conflicts.theirs, field);
}

// The values besides the cells that a merge left in conflict keep ours until 値の競合 chooses;
// the editor names them once, as the map opens, with ours and theirs.
void TellFieldConflicts(const MergeConflicts& conflicts) {
    std::string lines;
    for (MergeField field : conflicts.fields) {
        if (!lines.empty()) lines += "\r\n";
        lines += FieldConflictLine(conflicts, field);
    }
    const std::wstring told = FilledMessage(texts::kFieldConflictsFormat, {WideFromSjis(lines)});
    MessageBoxW(mainWindow->handle, told.c_str(), WideFromSjis(texts::kProductTitle).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void OfferToRemoveConflictsFile() {
    const std::string& path = editor->conflictsPath;
    if (path.empty() || files::FileIsMissing(path)) return;
    const std::wstring question = FilledMessage(texts::kConflictsResolvedQuestion, {WideFromUtf8(path)});
    if (MessageBoxW(mainWindow->handle, question.c_str(), WideFromSjis(texts::kProductTitle).c_str(),
                    MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    std::string reason;
    if (!files::RemoveFile(path, reason))
        ShowMessageAbout(mainWindow->handle, texts::kConflictsNotRemovedFormat,
                         {WideFromUtf8(path), WideFromUtf8(reason)});
}

void ReadConflictsBesideMap(const std::string& mapPath) {
    if (!ConflictsReady()) return;
    editor->conflictsPath.clear();
    editor->currentConflict = ConflictMarks::kNone;
    const std::string path = MergeConflictsPathFor(mapPath);
    if (files::FileIsMissing(path)) return;
    std::vector<uint8_t> bytes;
    std::string reason;
    if (files::ReadWholeFile(path, kMaxConflictsFileBytes, bytes, reason) != files::ReadStatus::kRead) {
        TellConflictsRefused(path, reason);
        return;
    }
    MergeConflicts conflicts;
    const MapModel& map = mainWindow->map;
    if (!MergeConflictsFromJson(std::string(bytes.begin(), bytes.end()), map.mapWidth, map.mapHeight, conflicts,
                                reason)) {
        TellConflictsRefused(path, reason);
        return;
    }
    editor->conflictsPath = path;
    mainWindow->stage.SetConflicts(ConflictMarks(std::move(conflicts.cells), conflicts.fields));
    conflicts.cells.clear();
    if (!conflicts.fields.empty()) TellFieldConflicts(conflicts);
    editor->conflictsBesideCells = std::move(conflicts);
}

void KeepConflictsFileCurrent(const std::string& savedMapPath) {
    if (!ConflictsReady() || editor->conflictsPath.empty()) return;
    const ConflictMarks& marks = mainWindow->stage.Conflicts();
    // Saved under another name, the map leaves the file to the one it was read with; with none
    // open the file was offered for removal already; with none resolved it says it all still.
    if (MergeConflictsPathFor(savedMapPath) != editor->conflictsPath || marks.NoneOpen() ||
        (marks.OpenCount() == marks.Count() && marks.OpenFieldCount() == marks.FieldCount()))
        return;
    MergeConflicts kept = editor->conflictsBesideCells;
    // A map given another size no longer matches the file, which will be refused on opening.
    if (kept.mapWidth != mainWindow->map.mapWidth || kept.mapHeight != mainWindow->map.mapHeight) return;
    kept.cells = marks.OpenInFileOrder();
    kept.fields = marks.OpenFields();
    const std::string text = MergeConflictsToJson(kept);
    std::string reason;
    if (!files::ReplaceFileContents(editor->conflictsPath, std::vector<uint8_t>(text.begin(), text.end()), reason))
        ShowMessageAbout(mainWindow->handle, texts::kConflictsNotUpdatedFormat,
                         {WideFromUtf8(editor->conflictsPath), WideFromUtf8(reason)});
}

void GoToNextConflict() {
    if (!ConflictsReady()) return;
    const ConflictMarks& marks = mainWindow->stage.Conflicts();
    const size_t next = marks.NextOpen(editor->currentConflict);
    if (next == ConflictMarks::kNone) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    editor->currentConflict = next;
    const CellConflict& conflict = marks.At(next);
    const MapPoint middle{int64_t{conflict.column} * kCellSize + kCellSize / 2,
                          int64_t{conflict.row} * kCellSize + kCellSize / 2};
    const ViewOffsets offsets = CentreViewOn(middle, mainWindow->CellCounts(), editor->zoom);
    SetViewOffsets(offsets.scrollX, offsets.scrollY);
    NoteChanges(kChangedConflicts);
}

bool ResolveCurrentConflict(bool takeTheirs) {
    if (!ConflictsReady() || !mainWindow->stage.Conflicts().IsOpen(editor->currentConflict)) {
        MessageBeep(MB_ICONWARNING);
        return false;
    }
    Stage& stage = mainWindow->stage;
    const CellConflict& conflict = stage.Conflicts().At(editor->currentConflict);
    CellWrites writes;
    // Like every tool, taking theirs writes no hidden or locked layer; nor a cell the map was
    // made too small to hold.
    if (takeTheirs && (!editor->shownLayers.Writable(conflict.layer) ||
                       !TakeTheirsWrites(conflict, mainWindow->CellCounts(), ModelOf(smallPalette),
                                         ModelOf(largePalette), writes))) {
        MessageBeep(MB_ICONWARNING);
        return false;
    }
    return stage.ResolveConflict(editor->currentConflict, writes) && stage.Conflicts().NoneOpen();
}

bool ChooseFieldConflicts() {
    if (!ConflictsReady() || mainWindow->stage.Conflicts().OpenFieldCount() == 0) {
        MessageBeep(MB_ICONWARNING);
        return false;
    }
    Stage& stage = mainWindow->stage;
    const MergeConflicts& sides = editor->conflictsBesideCells;
    bool resolved = false;
    for (size_t i = 0; i < stage.Conflicts().FieldCount(); ++i) {
        if (!stage.Conflicts().IsFieldOpen(i)) continue;
        const MergeField field = stage.Conflicts().FieldAt(i);
        const std::wstring question =
            FilledMessage(texts::kTakeTheirsValueQuestion, {WideFromSjis(FieldConflictLine(sides, field))});
        const int answer = MessageBoxW(mainWindow->handle, question.c_str(),
                                       WideFromSjis(texts::kProductTitle).c_str(), MB_YESNOCANCEL | MB_ICONQUESTION);
        // Only a No keeps ours: Cancel, or a box that could not be shown, stops and leaves the
        // rest open.
        if (answer != IDYES && answer != IDNO) break;
        StageSettings taken;
        if (answer == IDNO) {
            resolved = stage.ResolveFieldConflict(i, nullptr) || resolved;
        } else if (SettingsTakingTheirs(stage.Settings(), sides.theirs, field, taken)) {
            resolved = stage.ResolveFieldConflict(i, &taken) || resolved;
        } else {
            MessageBeep(MB_ICONWARNING);  // theirs' size would resize the map: it stays open
        }
    }
    return resolved && stage.Conflicts().NoneOpen();
}

