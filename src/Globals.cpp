#include "Globals.h"

#include "MainWindow.h"
#include "map/core/MapPaths.h"

HINSTANCE instanceHandle = nullptr;
MainWindow* mainWindow = nullptr;
PaletteWindow* smallPalette = nullptr;
PaletteWindow* largePalette = nullptr;
ResizeWindow* resizeWindow = nullptr;
CursorWindow* cursorWindow = nullptr;
MessageWindow* messageWindow = nullptr;
ConfigWindow* configWindow = nullptr;

ChipEntry CurrentChip{1, 0, 0, 2};
int32_t scrollX = 0;
int32_t scrollY = 0;
char currentPath[kPathBufferSize] = {};
char currentFileTitle[256] = {};
void (*redrawTrace)(const char* what) = nullptr;

namespace {
std::string startFolder;
}

void RememberStartFolder() {
    char folder[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof(folder), folder);
    startFolder = length > 0 && length < sizeof(folder) ? std::string(folder, length) : std::string();
}

std::string PathFromStartFolder(const char* path) {
    return PathFromFolder(startFolder, path != nullptr ? path : "");
}

void UpdateCaption() {
    if (mainWindow == nullptr || mainWindow->handle == nullptr) return;
    char caption[kCaptionBufferSize];
    FormatCaption(caption, sizeof(caption), mainWindow->className, currentPath);
    SetWindowTextA(mainWindow->handle, caption);
}
