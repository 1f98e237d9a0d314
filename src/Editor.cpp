#include "Editor.h"

#include "Globals.h"
#include "map/core/tools/ToolTable.h"
#include "render/Texture.h"

Editor::Editor() : tools(MakeTools()) {
    hand.terrains = &terrains;
    // Seed 0, as the map tool's autotile takes by default: a cell takes the same variation in
    // both, so a script's re-fitting gives what the brush paints.
    hand.random = ChipRandom(0);
}

Editor::~Editor() {
    delete smallSheet;
    delete largeSheet;
    delete backdrop;
}

void NoteChanges(Changes changes) {
    if (editor != nullptr) editor->pending |= changes;
}

void SetLayersNote(LayersNote note) {
    if (editor == nullptr || note == editor->layersNote) return;
    editor->layersNote = note;
    NoteChanges(kChangedLayersNote);
}

void SetViewOffsets(int32_t x, int32_t y) {
    scrollX = x;
    scrollY = y;
    NoteChanges(kChangedView);
    if (editor == nullptr || !editor->pointerSeen) return;
    const POINT p = editor->lastPointer;
    const CellRect view = ViewCells(scrollX, scrollY, editor->zoom);
    const CellPoint cell = DragCell(editor->tools.Tool(), ViewPointCell(p.x, p.y, scrollX, scrollY, editor->zoom), view);
    if (editor->tools.KeepUnderPointer(cell))
        NoteChanges(kChangedOutline);
}
