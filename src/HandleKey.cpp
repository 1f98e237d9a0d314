// Shortcut keys and menu commands: both lead to the same actions.
#include "Commands.h"
#include "Display.h"
#include "Globals.h"
#include "KeyState.h"
#include "MainWindow.h"
#include "MapCommands.h"
#include "PaletteWindow.h"
#include "ViewCommands.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/DialogControls.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"
#include "map/MapOpening.h"
#include "map/MapTools.h"
#include "map/OpenCommands.h"
#include "map/SaveCommands.h"
#include "map/SelectionCommands.h"
#include "map/core/tools/ToolTable.h"
#include "resource.h"

namespace {

void PostClose() {
    if (mainWindow != nullptr && mainWindow->handle != nullptr)
        PostMessageW(mainWindow->handle, WM_CLOSE, 0, 0);
}

void ShowPalette(PaletteWindow* palette) {
    if (palette == nullptr || palette->handle == nullptr) return;
    ShowWindow(palette->handle, SW_SHOWNORMAL);
    UpdateWindow(palette->handle);
}

}  // namespace

void HandleKey(uint32_t virtualKey) {
    if (virtualKey < VK_ESCAPE || virtualKey > VK_F10) return;
    if (mainWindow == nullptr) return;
    switch (virtualKey) {
    case VK_ESCAPE:
        // A paste or a selection goes first; only with nothing to clear does Escape close.
        if (!ClearToolMarks()) PostClose();
        break;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: ScrollView(virtualKey); break;
    case 'N':
        if (IsKeyHeld(VK_CONTROL)) DispatchCommand(ID_FILE_NEW);
        break;
    case 'O':
        if (IsKeyHeld(VK_CONTROL)) DispatchCommand(ID_FILE_OPEN);
        break;
    case 'Z':
        // Ctrl+Shift+Z redoes, as in many programs; Ctrl+Y is the Windows way.
        if (IsKeyHeld(VK_CONTROL)) DispatchCommand(IsKeyHeld(VK_SHIFT) ? ID_EDIT_REDO : ID_EDIT_UNDO);
        break;
    case 'Y':
        if (IsKeyHeld(VK_CONTROL)) DispatchCommand(ID_EDIT_REDO);
        break;
    case 'X':
        if (IsKeyHeld(VK_CONTROL)) DispatchCommand(ID_EDIT_CUT);
        break;
    case 'C':
        if (IsKeyHeld(VK_CONTROL)) DispatchCommand(ID_EDIT_COPY);
        break;
    case 'V':
        if (IsKeyHeld(VK_CONTROL)) DispatchCommand(ID_EDIT_PASTE);
        break;
    case VK_DELETE: DispatchCommand(ID_EDIT_DELETE); break;
    case 'S':
        if (!IsKeyHeld(VK_CONTROL)) break;
        if (IsKeyHeld(VK_SHIFT)) {
            DispatchCommand(ID_FILE_SAVEAS);
        } else if (currentPath[0] != '\0') {
            SaveToCurrentFile(mainWindow->handle);
        }
        break;
    case VK_F1: DispatchCommand(ID_EDIT_SMALL_PALETTE); break;
    case VK_F2: DispatchCommand(ID_EDIT_LARGE_PALETTE); break;
    case VK_F3: DispatchCommand(ID_EDIT_AREA); break;
    case VK_F4: DispatchCommand(ID_EDIT_START_POSITION); break;
    case VK_F6: DispatchCommand(ID_EDIT_OVERVIEW); break;
    case '1':
    case '2':
    case '3':
        if (IsKeyHeld(VK_CONTROL)) DispatchCommand(ID_VIEW_LAYER0 + (virtualKey - '1'));
        break;
    case VK_F8: DispatchCommand(ID_EDIT_CLEAR_MAP); break;
    case VK_F9: DispatchCommand(ID_EDIT_COMMENT); break;
    case VK_F10: DispatchCommand(ID_EDIT_OTHER_SETTINGS); break;
    default:
        // The tools, by their letters alone: with Ctrl they are no shortcut.
        if (ToolOfKey(virtualKey) < ToolRows().size() && !IsKeyHeld(VK_CONTROL))
            DispatchCommand(ToolRows()[ToolOfKey(virtualKey)].command);
        break;
    }
    ShowChanges();
}

bool ForwardKeyMessage(UINT message, WPARAM virtualKey) {
    const bool shortcut =
        message == WM_KEYDOWN || (message == WM_SYSKEYDOWN && virtualKey == VK_F10);
    if (shortcut) HandleKey(static_cast<uint32_t>(virtualKey));
    return shortcut;
}

INT_PTR ForwardDialogKeyMessage(UINT message, WPARAM virtualKey) {
    return ForwardKeyMessage(message, virtualKey) && message == WM_SYSKEYDOWN ? TRUE : 0;
}

void DispatchCommand(uint32_t commandId) {
    if (mainWindow == nullptr) return;
    switch (commandId) {
    case ID_FILE_NEW: NewMap(); break;
    case ID_FILE_OPEN: OpenMapFile(mainWindow->handle); break;
    case ID_FILE_OPEN_VERSION: OpenSavedVersion(mainWindow->handle); break;
    case ID_FILE_SAVE: SaveToCurrentFile(mainWindow->handle); break;
    case ID_FILE_SAVEAS: SaveMapFileAs(mainWindow->handle); break;
    case ID_FILE_EXIT: PostClose(); break;
    case ID_EDIT_UNDO: mainWindow->Undo(); break;
    case ID_EDIT_REDO: mainWindow->Redo(); break;
    case ID_EDIT_CUT: CutSelection(); break;
    case ID_EDIT_COPY: CopySelection(); break;
    case ID_EDIT_PASTE: StartPaste(); break;
    case ID_EDIT_DELETE: DeleteSelection(); break;
    case ID_EDIT_SMALL_PALETTE: ShowPalette(smallPalette); break;
    case ID_EDIT_LARGE_PALETTE: ShowPalette(largePalette); break;
    case ID_EDIT_AREA: ShowSettingsDialog(resizeWindow, IDC_RESIZE_WIDTH); break;
    case ID_EDIT_START_POSITION: ShowSettingsDialog(cursorWindow, IDC_CURSOR_X); break;
    case ID_EDIT_CLEAR_MAP: ClearMapCommand(); break;
    case ID_EDIT_COMMENT: ShowSettingsDialog(messageWindow, IDC_MESSAGE_TEXT); break;
    case ID_EDIT_OTHER_SETTINGS: ShowSettingsDialog(configWindow, IDC_CONFIG_TARGET_TIME); break;
    case ID_EDIT_OVERVIEW: ShowOverview(); break;
    case ID_VIEW_LAYER0:
    case ID_VIEW_LAYER1:
    case ID_VIEW_LAYER2: ToggleLayer(static_cast<int>(commandId - ID_VIEW_LAYER0)); break;
    default:
        if (ToolOfCommand(commandId) < ToolRows().size()) {
            SelectTool(ToolOfCommand(commandId));
        } else {
            OpenRecentMapCommand(commandId);
        }
        break;
    }
    ShowChanges();
}
