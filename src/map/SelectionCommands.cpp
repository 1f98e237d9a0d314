#include "map/SelectionCommands.h"

#include "Globals.h"
#include "MainWindow.h"
#include "StageDisplay.h"
#include "ToolCursors.h"
#include "map/BlockClipboard.h"
#include "map/MapTools.h"
#include "render/core/ViewGeometry.h"
#include "resource.h"

namespace {

HWND Owner() { return mainWindow != nullptr ? mainWindow->handle : nullptr; }

// Where the pointer is now, if it is over the view: the paste shows there at once.
void NotePointerForPaste() {
    POINT point{0, 0};
    GetCursorPos(&point);
    if (WindowFromPoint(point) != Owner()) return;
    ScreenToClient(Owner(), &point);
    if (IsViewPoint(point)) Tools().PointerAt(CellUnder(point));
}

}  // namespace

bool CanActOnSelection() { return mainWindow != nullptr && Tools().HasSelection(); }

bool CanPaste() { return mainWindow != nullptr && ClipboardHoldsBlock(Owner()); }

void ShowSelectionCommands(HMENU menu, bool readClipboard) {
    const bool selected = CanActOnSelection();
    EnableMenuCommand(menu, ID_EDIT_CUT, selected);
    EnableMenuCommand(menu, ID_EDIT_COPY, selected);
    EnableMenuCommand(menu, ID_EDIT_DELETE, selected);
    EnableMenuCommand(menu, ID_EDIT_PASTE, readClipboard ? CanPaste() : ClipboardMayHoldBlock());
}

void CopySelection() {
    if (!CanActOnSelection()) return;
    PutBlockOnClipboard(Owner(), CopyBlock(mainWindow->map, Tools().Selection()));
    ShowEdit();
}

void CutSelection() {
    if (!CanActOnSelection()) return;
    // Nothing is emptied unless the block is safely on the clipboard.
    if (!PutBlockOnClipboard(Owner(), CopyBlock(mainWindow->map, Tools().Selection()))) return;
    mainWindow->EmptyCells(Tools().Selection());
    mainWindow->Paint();
    ShowEdit();
}

void DeleteSelection() {
    if (!CanActOnSelection()) return;
    mainWindow->EmptyCells(Tools().Selection());
    mainWindow->Paint();
}

void StartPaste() {
    if (mainWindow == nullptr) return;
    CellBlock block;
    if (!BlockOnClipboard(Owner(), block)) return;
    mainWindow->EndStroke();
    Tools().EndDrag();
    Tools().StartPaste(std::move(block));
    NotePointerForPaste();
    mainWindow->Paint();
    ShowToolCursor();
}
