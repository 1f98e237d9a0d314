#include "render/ShownStage.h"

#include "Globals.h"
#include "MainWindow.h"
#include "dialogs/CursorWindow.h"

const MapModel& ShownMap() { return mainWindow->map; }

bool ShownStartPosition(int32_t& x, int32_t& y) {
    if (mainWindow == nullptr || (cursorWindow != nullptr && cursorWindow->IsUnspecified())) return false;
    x = mainWindow->map.startX;
    y = mainWindow->map.startY;
    return true;
}
