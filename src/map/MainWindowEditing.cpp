// Painting and picking cells with the mouse in the main window.
#include "Globals.h"
#include "MainWindow.h"
#include "PaletteWindow.h"
#include "StageDisplay.h"
#include "map/core/CellEditing.h"

void MainWindow::PlaceChip(POINT point) {
    if (::PlaceChip(stage, CurrentChip, scrollX, scrollY, point.x, point.y, shownLayers)) ShowEdit();
}

void MainWindow::PickChip(POINT point) {
    const PickResult picked = ::PickChip(map, scrollX, scrollY, point.x, point.y, shownLayers);
    if (picked.kind == PickResult::Kind::kNothing) return;
    CurrentChip = picked.chip;
    if (picked.kind == PickResult::Kind::kEraser) return;  // the palettes keep their frames
    const bool small = picked.palette == PickResult::Palette::kSmall;
    PaletteWindow* chosen = small ? smallPalette : largePalette;
    PaletteWindow* other = small ? largePalette : smallPalette;
    if (chosen == nullptr || other == nullptr) return;
    chosen->model.active = true;
    other->model.active = false;
    chosen->SetHighlight(picked.highlightX, picked.highlightY);
}
