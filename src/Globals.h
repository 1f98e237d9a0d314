// The process-wide objects and values, set up by the entry point.
#pragma once
#include <windows.h>

#include <cstdint>

#include "core/ChipEntry.h"
#include "map/core/LayerVisibility.h"

class MainWindow;
class PaletteWindow;
class ResizeWindow;
class CursorWindow;
class MessageWindow;
class ConfigWindow;
class OverviewWindow;

extern HINSTANCE instanceHandle;
extern MainWindow* mainWindow;
extern PaletteWindow* smallPalette;
extern PaletteWindow* largePalette;
extern ResizeWindow* resizeWindow;
extern CursorWindow* cursorWindow;
extern MessageWindow* messageWindow;
extern ConfigWindow* configWindow;
extern OverviewWindow* overviewWindow;  // the overview "全体図", hidden until shown

extern ChipEntry CurrentChip;  // the selected chip; starts as the first large chip
extern int32_t scrollX;        // the view's offsets in whole cells
extern int32_t scrollY;
extern LayerVisibility shownLayers;  // the layers the view shows and the tools write

// The current map file in UTF-16, as the file dialogs give it, so that any path the system
// can open works whatever its code page.
constexpr size_t kPathBufferSize = 260;
extern wchar_t currentPath[kPathBufferSize];
extern wchar_t currentFileTitle[256];  // file name without folder, from the file dialogs

// Called with "view", "small" or "large" each time the map view or a palette is redrawn;
// null except in tests that check the order of redraws.
extern void (*redrawTrace)(const char* what);

