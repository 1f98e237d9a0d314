#include "Display.h"

#include "Editor.h"
#include "Globals.h"
#include "LayersWindow.h"
#include "MainWindow.h"
#include "OverviewWindow.h"
#include "PaletteWindow.h"
#include "TerrainWindow.h"
#include "ToolCursors.h"
#include "browser/StageListWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/DialogValues.h"
#include "map/CurrentFile.h"
#include "map/core/tools/ToolTable.h"
#include "resource.h"

namespace {

void EnableMenuCommand(HMENU menu, UINT command, bool enabled) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void CheckMenuCommand(HMENU menu, UINT command, bool checked) {
    CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void DrawPalettes(bool largeFirst) {
    PaletteWindow* first = largeFirst ? largePalette : smallPalette;
    PaletteWindow* second = largeFirst ? smallPalette : largePalette;
    if (first != nullptr) first->Draw();
    if (second != nullptr) second->Draw();
}

// The layers' check marks and the radio mark on the tool in hand.
void ShowMenuChecks(HMENU menu) {
    for (int layer = 0; layer < 3; ++layer)
        CheckMenuCommand(menu, static_cast<UINT>(ID_VIEW_LAYER0 + layer), editor->shownLayers.Shows(layer));
    const std::vector<ToolRow>& rows = ToolRows();
    for (size_t i = 0; i < rows.size(); ++i)
        CheckMenuCommand(menu, rows[i].command, i == editor->tools.Active());
}

constexpr Changes kDrawsView = kChangedStage | kChangedView | kChangedLayers | kChangedTool |
                               kChangedMarks | kRedrawView | kChangedConflicts;
constexpr Changes kShowsInMenu = kChangedStage | kChangedMarks | kChangedTool | kChangedFile |
                                 kChangedClipboard | kChangedLayers | kChangedConflicts;
constexpr Changes kShowsInPointer = kChangedTool | kChangedChip | kChangedMarks;
constexpr Changes kCountsInLayers = kChangedCells | kChangedSize | kChangedWholeStage;
constexpr Changes kShowsInLayers = kChangedStage | kChangedLayers | kChangedChip | kChangedTool | kChangedTerrain |
                                   kChangedPointer | kChangedView | kChangedLayersNote;

}  // namespace

void ShowMenuCommands(bool readClipboard) {
    if (mainWindow == nullptr || mainWindow->handle == nullptr || editor == nullptr) return;
    HMENU menu = GetMenu(mainWindow->handle);
    if (menu == nullptr) return;
    EnableMenuCommand(menu, ID_EDIT_UNDO, mainWindow->stage.CanUndo());
    EnableMenuCommand(menu, ID_EDIT_REDO, mainWindow->stage.CanRedo());
    const bool selected = editor->tools.HasSelection();
    EnableMenuCommand(menu, ID_EDIT_CUT, selected);
    EnableMenuCommand(menu, ID_EDIT_COPY, selected);
    EnableMenuCommand(menu, ID_EDIT_DELETE, selected);
    const ConflictMarks& conflicts = mainWindow->stage.Conflicts();
    EnableMenuCommand(menu, ID_EDIT_NEXT_CONFLICT, conflicts.OpenCount() > 0);
    EnableMenuCommand(menu, ID_EDIT_KEEP_OURS, conflicts.IsOpen(editor->currentConflict));
    EnableMenuCommand(menu, ID_EDIT_TAKE_THEIRS, conflicts.IsOpen(editor->currentConflict));
    EnableMenuCommand(menu, ID_EDIT_FIELD_CONFLICTS, conflicts.OpenFieldCount() > 0);
    EnableMenuCommand(menu, ID_EDIT_PASTE, readClipboard ? editor->clipboard.HoldsBlock(mainWindow->handle)
                                                         : editor->clipboard.MayHoldBlock());
}

void ShowChanges() {
    if (editor == nullptr || mainWindow == nullptr) return;
    const Changes changes = editor->pending | mainWindow->stage.TakeChanges();
    editor->pending = kNoChange;
    if (changes == kNoChange) return;

    if ((changes & kChangedWholeStage) != 0) ShowStageValues(mainWindow->stage);
    if ((changes & kChangedStartFromMap) != 0) ShowStageValuesIn(cursorWindow, mainWindow->stage);
    const bool palettes = (changes & kRedrawPalettes) != 0;
    const bool palettesFirst = palettes && (changes & kPalettesAfterView) == 0;
    const bool largeFirst = (changes & kLargePaletteFirst) != 0;
    if (palettesFirst) DrawPalettes(largeFirst);
    if ((changes & kDrawsView) != 0) {
        mainWindow->Paint();  // the overview and its caption too
    } else {
        if ((changes & kChangedOutline) != 0) mainWindow->PaintView();  // the overview shows none
        if ((changes & kChangedPointer) != 0 && editor->overview != nullptr)
            editor->overview->UpdateCaption(mainWindow->map);
    }
    if (palettes && !palettesFirst) DrawPalettes(largeFirst);

    if ((changes & kShowsInMenu) != 0) {
        ShowCaption();
        ShowMenuCommands(false);
    }
    if ((changes & (kChangedLayers | kChangedTool)) != 0) {
        if (HMENU menu = GetMenu(mainWindow->handle)) ShowMenuChecks(menu);
    }
    if ((changes & kShowsInPointer) != 0) ShowToolCursor();
    if ((changes & kChangedChip) != 0 && editor->replaceWindow != nullptr)
        SendMessageW(editor->replaceWindow, kFillReplaceFieldMessage, 0, 0);
    if ((changes & kChangedTerrain) != 0 && editor->terrainWindow != nullptr) editor->terrainWindow->Refresh();
    if ((changes & kChangedFile) != 0 && editor->stageList != nullptr) editor->stageList->FollowCurrentFile();
    if (LayersWindow* layers = editor->layersWindow) {
        if ((changes & kCountsInLayers) != 0)
            layers->CellsChanged(mainWindow->stage.StateId(), (changes & (kChangedWholeStage | kChangedSize)) != 0);
        if ((changes & kShowsInLayers) != 0) layers->Refresh(mainWindow->stage);
    }
}
