#include "Globals.h"

HINSTANCE instanceHandle = nullptr;
MainWindow* mainWindow = nullptr;
PaletteWindow* smallPalette = nullptr;
PaletteWindow* largePalette = nullptr;
ResizeWindow* resizeWindow = nullptr;
CursorWindow* cursorWindow = nullptr;
MessageWindow* messageWindow = nullptr;
ConfigWindow* configWindow = nullptr;
Editor* editor = nullptr;

ChipEntry CurrentChip{1, 0, 0, 2};
int32_t scrollX = 0;
int32_t scrollY = 0;
wchar_t currentPath[kPathBufferSize] = {};
