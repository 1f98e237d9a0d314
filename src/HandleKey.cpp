// Shortcut keys and menu commands: both lead to the same actions.
#include "Commands.h"
#include "Display.h"
#include "Editor.h"
#include "Globals.h"
#include "KeyState.h"
#include "MainWindow.h"
#include "MapCommands.h"
#include "PaletteWindow.h"
#include "ViewCommands.h"
#include "browser/StageListWindow.h"
#include "core/Shortcuts.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/DialogControls.h"
#include "dialogs/DialogValues.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"
#include "map/MapOpening.h"
#include "map/ChipsInHand.h"
#include "map/ConflictCommands.h"
#include "map/MapTools.h"
#include "map/OpenCommands.h"
#include "map/ReplaceWindow.h"
#include "map/SaveCommands.h"
#include "map/SelectionCommands.h"
#include "map/core/tools/ToolTable.h"
#include "resource.h"

namespace {

// A settings dialog that was hidden opens on the stage's values, not on what was typed
// before a cancel; one already open keeps what is being typed.
void OpenSettingsDialog(const Window* dialog, int focusControlId) {
    if (dialog != nullptr && dialog->handle != nullptr && !IsWindowVisible(dialog->handle) && mainWindow != nullptr)
        ShowStageValuesIn(dialog, mainWindow->stage);
    ShowSettingsDialog(dialog, focusControlId);
}

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
    // Escape to F10, and the zoom's plus and minus beyond them.
    const bool zoomKey = virtualKey == VK_OEM_PLUS || virtualKey == VK_OEM_MINUS;
    if ((virtualKey < VK_ESCAPE || virtualKey > VK_F10) && !zoomKey) return;
    if (mainWindow == nullptr) return;
    const Shortcut* shortcut = FindShortcut(virtualKey, IsKeyHeld(VK_CONTROL), IsKeyHeld(VK_SHIFT));
    if (shortcut != nullptr) DispatchCommand(shortcut->command);
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
    case ID_FILE_STAGE_LIST: ShowStageList(); break;
    case ID_FILE_SAVE:
        if (currentPath[0] != '\0') SaveToCurrentFile(mainWindow->handle);
        break;
    case ID_FILE_SAVEAS: SaveMapFileAs(mainWindow->handle); break;
    case ID_FILE_EXIT: PostClose(); break;
    case ID_KEY_ESCAPE:
        // A paste or a selection goes first; only with nothing to clear does Escape close.
        if (!ClearToolMarks()) PostClose();
        break;
    case ID_KEY_SCROLL_LEFT: ScrollView(VK_LEFT); break;
    case ID_KEY_SCROLL_UP: ScrollView(VK_UP); break;
    case ID_KEY_SCROLL_RIGHT: ScrollView(VK_RIGHT); break;
    case ID_KEY_SCROLL_DOWN: ScrollView(VK_DOWN); break;
    case ID_EDIT_UNDO: mainWindow->Undo(); break;
    case ID_EDIT_REDO: mainWindow->Redo(); break;
    case ID_EDIT_CUT: CutSelection(); break;
    case ID_EDIT_COPY: CopySelection(); break;
    case ID_EDIT_PASTE: StartPaste(); break;
    case ID_EDIT_DELETE: DeleteSelection(); break;
    case ID_EDIT_REPLACE: ShowReplaceWindow(); break;
    case ID_EDIT_NEXT_CONFLICT: GoToNextConflict(); break;
    case ID_EDIT_KEEP_OURS:
    case ID_EDIT_TAKE_THEIRS:
        if (ResolveCurrentConflict(commandId == ID_EDIT_TAKE_THEIRS)) {
            ShowChanges();  // the last mark gone from the view before the question
            OfferToRemoveConflictsFile();
        }
        break;
    case ID_EDIT_FIELD_CONFLICTS:
        if (ChooseFieldConflicts()) {
            ShowChanges();
            OfferToRemoveConflictsFile();
        }
        break;
    case ID_EDIT_SMALL_PALETTE: ShowPalette(smallPalette); break;
    case ID_EDIT_LARGE_PALETTE: ShowPalette(largePalette); break;
    case ID_EDIT_AREA: OpenSettingsDialog(resizeWindow, IDC_RESIZE_WIDTH); break;
    case ID_EDIT_START_POSITION: OpenSettingsDialog(cursorWindow, IDC_CURSOR_X); break;
    case ID_EDIT_CLEAR_MAP: ClearMapCommand(); break;
    case ID_EDIT_COMMENT: OpenSettingsDialog(messageWindow, IDC_MESSAGE_TEXT); break;
    case ID_EDIT_OTHER_SETTINGS: OpenSettingsDialog(configWindow, IDC_CONFIG_TARGET_TIME); break;
    case ID_EDIT_OVERVIEW: ShowOverview(); break;
    case ID_EDIT_TERRAINS: ShowTerrainWindow(); break;
    case ID_VIEW_LAYERS: ToggleLayersWindow(); break;
    case ID_VIEW_ZOOM_IN: if (editor != nullptr) ZoomView(ZoomedIn(editor->zoom), ViewMiddle()); break;
    case ID_VIEW_ZOOM_OUT: if (editor != nullptr) ZoomView(ZoomedOut(editor->zoom), ViewMiddle()); break;
    case ID_VIEW_ZOOM_RESET: ZoomView(kFullZoom, ViewMiddle()); break;
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
