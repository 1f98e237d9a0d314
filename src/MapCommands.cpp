#include "MapCommands.h"

#include <windows.h>

#include "Editor.h"
#include "Globals.h"
#include "MainWindow.h"
#include "UnsavedChanges.h"
#include "WideText.h"
#include "core/Texts.h"
#include "map/CurrentFile.h"
#include "map/MapTools.h"

void NewMap() {
    if (mainWindow == nullptr || !ConfirmDropChanges()) return;
    if (!mainWindow->stage.New()) return;
    ForgetToolMarks();
    SetViewOffsets(0, 0);
    SetCurrentPath(WideFromSjis(texts::kDefaultMapName).c_str());
}

void ClearMapCommand() {
    if (mainWindow == nullptr) return;
    mainWindow->ClearMap();
    NoteChanges(kRedrawView);
}

void ResizeMapFromDialog(int32_t width, int32_t height) {
    SetViewOffsets(0, 0);
    if (mainWindow != nullptr) mainWindow->ResizeMap(width, height);
}

void SetStartPosition(int32_t x, int32_t y, bool unspecified) {
    if (mainWindow == nullptr) return;
    StageSettings settings = mainWindow->stage.Settings();
    settings.startX = x;
    settings.startY = y;
    settings.startUnspecified = unspecified;
    mainWindow->ChangeSettings(settings);
    NoteChanges(kRedrawView);  // the start marker follows, also when only "not specified" changed
}
