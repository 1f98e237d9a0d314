// The process-wide objects and values, set up by the entry point.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/Caption.h"
#include "core/ChipEntry.h"

class MainWindow;
class PaletteWindow;
class ResizeWindow;
class CursorWindow;
class MessageWindow;
class ConfigWindow;

extern HINSTANCE instanceHandle;
extern MainWindow* mainWindow;
extern PaletteWindow* smallPalette;
extern PaletteWindow* largePalette;
extern ResizeWindow* resizeWindow;
extern CursorWindow* cursorWindow;
extern MessageWindow* messageWindow;
extern ConfigWindow* configWindow;

extern ChipEntry CurrentChip;  // the selected chip; starts as the first large chip
extern int32_t scrollX;        // the view's offsets in whole cells
extern int32_t scrollY;

constexpr size_t kPathBufferSize = 260;
extern char currentPath[kPathBufferSize];  // the current map file, Shift_JIS
extern char currentFileTitle[256];         // file name without folder, from the file dialogs

// The folder the editor was started from, where a bare name such as the default map name
// lives whatever the working folder has become since. Set at start-up.
void RememberStartFolder();
// A relative path taken from the start folder; other paths as they are.
std::string PathFromStartFolder(const char* path);

// Called with "view", "small" or "large" each time the map view or a palette is redrawn;
// null except in tests that check the order of redraws.
extern void (*redrawTrace)(const char* what);

// Sets the main window's caption from the product title and currentPath.
void UpdateCaption();
