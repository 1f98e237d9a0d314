#include "StageDisplay.h"

#include <windows.h>

#include "Globals.h"
#include "MainWindow.h"
#include "dialogs/DialogValues.h"
#include "map/CurrentFile.h"
#include "map/MapTools.h"
#include "map/SelectionCommands.h"
#include "render/core/Scrolling.h"
#include "render/core/ViewGeometry.h"
#include "resource.h"

void EnableMenuCommand(HMENU menu, UINT command, bool enabled) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void ShowEdit() {
    if (mainWindow == nullptr || mainWindow->handle == nullptr) return;
    ShowCaption();
    HMENU menu = GetMenu(mainWindow->handle);
    if (menu == nullptr) return;
    EnableMenuCommand(menu, ID_EDIT_UNDO, mainWindow->stage.CanUndo());
    EnableMenuCommand(menu, ID_EDIT_REDO, mainWindow->stage.CanRedo());
    ShowSelectionCommands(menu, false);
}

void ShowWholeStage() {
    if (mainWindow == nullptr) return;
    ShowStageValues(mainWindow->stage);
    const MapCellCounts counts = mainWindow->CellCounts();
    scrollX = ScrollKeptInMap(scrollX, counts.cellsX, kViewColumns);
    scrollY = ScrollKeptInMap(scrollY, counts.cellsY, kViewRows);
    KeepToolMarksInMap();
    mainWindow->Paint();
    ShowEdit();
}
