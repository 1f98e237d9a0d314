#include "map/SelectionCommands.h"

#include "Editor.h"
#include "Globals.h"
#include "MainWindow.h"
#include "map/MapTools.h"

namespace {

HWND Owner() { return mainWindow != nullptr ? mainWindow->handle : nullptr; }

bool HasSelection() { return mainWindow != nullptr && editor != nullptr && editor->tools.HasSelection(); }

// Where the pointer is now, if it is over the view: the paste shows there at once.
void NotePointerForPaste() {
    POINT point{0, 0};
    GetCursorPos(&point);
    if (WindowFromPoint(point) != Owner()) return;
    ScreenToClient(Owner(), &point);
    if (IsViewPoint(point)) editor->tools.PointerAt(CellUnder(point));
}

bool CopyToClipboard() {
    NoteChanges(kChangedClipboard);
    return editor->clipboard.Put(Owner(), CopyBlock(mainWindow->map, editor->tools.Selection()));
}

}  // namespace

void CopySelection() {
    if (HasSelection()) CopyToClipboard();
}

void CutSelection() {
    // Nothing is emptied unless the block is safely on the clipboard.
    if (!HasSelection() || !CopyToClipboard()) return;
    mainWindow->EmptyCells(editor->tools.Selection());
    NoteChanges(kRedrawView);
}

void DeleteSelection() {
    if (!HasSelection()) return;
    mainWindow->EmptyCells(editor->tools.Selection());
    NoteChanges(kRedrawView);
}

void StartPaste() {
    if (mainWindow == nullptr || editor == nullptr) return;
    CellBlock block;
    if (!editor->clipboard.Block(Owner(), block)) return;
    mainWindow->CancelStroke();
    editor->tools.StartPaste(std::move(block));
    NotePointerForPaste();
    NoteChanges(kChangedMarks);
}
