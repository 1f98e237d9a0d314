#include "render/ShownStage.h"

#include "Globals.h"
#include "MainWindow.h"

const MapModel& ShownMap() { return mainWindow->map; }

bool ShownStartPosition(int32_t& x, int32_t& y) {
    if (mainWindow == nullptr || mainWindow->stage.Settings().startUnspecified) return false;
    x = mainWindow->stage.Settings().startX;
    y = mainWindow->stage.Settings().startY;
    return true;
}
