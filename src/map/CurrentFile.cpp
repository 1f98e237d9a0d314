#include "map/CurrentFile.h"

#include <windows.h>

#include "Globals.h"
#include "MainWindow.h"
#include "core/Caption.h"

void SetCurrentPath(const char* path) {
    lstrcpynA(currentPath, path, sizeof(currentPath));
    UpdateCaption();
}

void UpdateCaption() {
    if (mainWindow == nullptr || mainWindow->handle == nullptr) return;
    char caption[kCaptionBufferSize];
    FormatCaption(caption, sizeof(caption), mainWindow->className, currentPath);
    SetWindowTextA(mainWindow->handle, caption);
}
