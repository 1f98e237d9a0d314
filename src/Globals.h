// The process-wide objects and values, set up by the entry point.
#pragma once
#include <windows.h>

#include <cstdint>

#include "core/ChipEntry.h"

class MainWindow;
class PaletteWindow;
class ResizeWindow;
class CursorWindow;
class MessageWindow;
class ConfigWindow;
struct Editor;

extern HINSTANCE instanceHandle;
extern MainWindow* mainWindow;
extern PaletteWindow* smallPalette;
extern PaletteWindow* largePalette;
extern ResizeWindow* resizeWindow;
extern CursorWindow* cursorWindow;
extern MessageWindow* messageWindow;
extern ConfigWindow* configWindow;
// Everything else the shell keeps: the entry point makes it at start-up and destroys it at
// the end.
extern Editor* editor;

extern ChipEntry CurrentChip;  // the selected chip; starts as the first large chip
extern int32_t scrollX;        // the view's offsets in whole cells
extern int32_t scrollY;

// The current map file in UTF-16, as the file dialogs give it, so that any path the system
// can open works whatever its code page.
constexpr size_t kPathBufferSize = 260;
extern wchar_t currentPath[kPathBufferSize];

