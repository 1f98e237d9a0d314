#include "map/ChipsInHand.h"

#include "Editor.h"
#include "Globals.h"
#include "PaletteWindow.h"
#include "TerrainWindow.h"

void TakeTerrainInHand(size_t set) {
    if (editor == nullptr || set >= editor->terrains.Count()) return;
    editor->hand.TakeTerrain(static_cast<int>(set));
    CurrentChip = editor->terrains.Set(set).FullChip().chip;
    if (smallPalette != nullptr && largePalette != nullptr) {
        smallPalette->model.active = true;
        largePalette->model.active = false;
        smallPalette->SetHighlight(static_cast<int32_t>(CurrentChip.srcX / 2), static_cast<int32_t>(CurrentChip.srcY / 2));
    }
    NoteChanges(kChangedChip | kChangedTerrain | kRedrawPalettes);
}

void ShowTerrainWindow() {
    if (editor != nullptr && editor->terrainWindow != nullptr) editor->terrainWindow->Show();
}

void TakePaletteChip(const ChipEntry& before, bool control) {
    if (editor == nullptr) return;
    if (control) {
        CurrentChip = editor->hand.ToggleRandomChip(before, CurrentChip);
    } else {
        editor->hand.TakeChip();
    }
    NoteChanges(kChangedChip | kChangedTerrain);
}

void ChooseTerrainOfChipInHand() {
    if (editor == nullptr) return;
    editor->hand.TakeChip();
    const TerrainMember member = editor->terrains.Member(static_cast<int>(CurrentChip.layer), CurrentChip.chipId);
    editor->hand.ChooseTerrain(member.set);
    NoteChanges(kChangedTerrain);
}

void NoteTerrainStep(const ToolStep& step) {
    if (editor == nullptr || step.substitutes < 0 || step.substitutes == editor->terrainSubstitutes) return;
    editor->terrainSubstitutes = step.substitutes;
    NoteChanges(kChangedTerrain);
}
