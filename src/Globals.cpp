#include "Globals.h"

HINSTANCE instanceHandle = nullptr;
MainWindow* mainWindow = nullptr;
PaletteWindow* smallPalette = nullptr;
PaletteWindow* largePalette = nullptr;
ResizeWindow* resizeWindow = nullptr;
CursorWindow* cursorWindow = nullptr;
MessageWindow* messageWindow = nullptr;
ConfigWindow* configWindow = nullptr;
OverviewWindow* overviewWindow = nullptr;

ChipEntry CurrentChip{1, 0, 0, 2};
int32_t scrollX = 0;
int32_t scrollY = 0;
LayerVisibility shownLayers;
wchar_t currentPath[kPathBufferSize] = {};
wchar_t currentFileTitle[256] = {};
void (*redrawTrace)(const char* what) = nullptr;
