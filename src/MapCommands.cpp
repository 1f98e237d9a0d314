#include "MapCommands.h"

#include <windows.h>

#include "Globals.h"
#include "MainWindow.h"
#include "StageDisplay.h"
#include "UnsavedChanges.h"
#include "WideText.h"
#include "core/Texts.h"
#include "map/CurrentFile.h"
#include "map/MapTools.h"
#include "render/core/Scrolling.h"
#include "render/core/ViewGeometry.h"

void NewMap() {
    if (mainWindow == nullptr || !ConfirmDropChanges()) return;
    if (!mainWindow->stage.New()) return;
    ForgetToolMarks();
    scrollX = 0;
    scrollY = 0;
    SetCurrentPath(WideFromSjis(texts::kDefaultMapName).c_str());
    ShowWholeStage();
}

void ClearMapCommand() {
    if (mainWindow == nullptr) return;
    mainWindow->ClearMap();
    mainWindow->Paint();
}

void ScrollView(uint32_t virtualKey) {
    if (mainWindow == nullptr) return;
    const MapCellCounts counts = mainWindow->CellCounts();
    switch (virtualKey) {
    case VK_LEFT: scrollX = ScrollLeft(scrollX); break;
    case VK_UP: scrollY = ScrollUp(scrollY); break;
    case VK_RIGHT: scrollX = ScrollRight(scrollX, counts.cellsX); break;
    case VK_DOWN: scrollY = ScrollDown(scrollY, counts.cellsY); break;
    default: return;
    }
    mainWindow->Paint();
}

void ResizeMapFromDialog(int32_t width, int32_t height) {
    scrollX = 0;
    scrollY = 0;
    if (mainWindow != nullptr) mainWindow->ResizeMap(width, height);
}

void SetStartPosition(int32_t x, int32_t y, bool unspecified) {
    if (mainWindow == nullptr) return;
    StageSettings settings = mainWindow->stage.Settings();
    settings.startX = x;
    settings.startY = y;
    settings.startUnspecified = unspecified;
    mainWindow->ChangeSettings(settings);
    mainWindow->Paint();  // the start marker follows, also when only "not specified" changed
}
