#include "Editor.h"

#include "Globals.h"
#include "map/core/tools/ToolTable.h"
#include "render/Texture.h"

Editor::Editor() : tools(MakeTools()) {
    hand.terrains = &terrains;
    // Each run chooses other variations; a saved map keeps the chips chosen.
    hand.random = ChipRandom(GetTickCount64() ^ (uint64_t{GetCurrentProcessId()} << 32));
}

Editor::~Editor() {
    delete smallSheet;
    delete largeSheet;
    delete backdrop;
}

void NoteChanges(Changes changes) {
    if (editor != nullptr) editor->pending |= changes;
}

void SetViewOffsets(int32_t x, int32_t y) {
    scrollX = x;
    scrollY = y;
    NoteChanges(kChangedView);
    if (editor == nullptr || !editor->pointerSeen) return;
    const POINT p = editor->lastPointer;
    if (editor->tools.KeepUnderPointer(ViewPointCell(p.x, p.y, scrollX, scrollY)))
        NoteChanges(kChangedOutline);
}
