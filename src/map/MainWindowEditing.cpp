// Painting, filling, stamping and picking cells with the mouse in the main window.
#include "Globals.h"
#include "MainWindow.h"
#include "PaletteWindow.h"
#include "StageDisplay.h"
#include "map/MapTools.h"
#include "map/core/CoveringChips.h"
#include "map/core/FillRules.h"
#include "map/core/ToolState.h"

bool MainWindow::WriteToolCells(CellWrites writes) {
    DropHiddenLayerWrites(writes, shownLayers);
    if (!stage.WriteCells(writes)) return false;
    ShowEdit();
    return true;
}

void MainWindow::PlaceChip(POINT point) {
    WriteToolCells(penStroke.Begin(map, CurrentChip, CellUnder(point), ViewCells(scrollX, scrollY)));
}

bool MainWindow::ContinueStroke(POINT point) {
    return WriteToolCells(penStroke.MoveTo(map, CurrentChip, CellUnder(point), ViewCells(scrollX, scrollY)));
}

void MainWindow::EndStroke() {
    penStroke.End();
    stage.EndStroke();
}

void MainWindow::PickChip(POINT point) {
    const PickResult picked = PickDrawnChip(map, scrollX, scrollY, point.x, point.y, shownLayers);
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

void MainWindow::FillRectangle(CellPoint start, CellPoint end) {
    WriteToolCells(RectangleFillWrites(map, CurrentChip, start, end));
}

void MainWindow::BucketFill(POINT point) {
    WriteToolCells(BucketFillWrites(map, CurrentChip, CellUnder(point)));
}

void MainWindow::StampBlock(const CellBlock& block, CellPoint topLeft) {
    WriteToolCells(StampWrites(map, block, topLeft, ModelOf(smallPalette), ModelOf(largePalette)));
}

void MainWindow::EmptyCells(const CellRect& cells) { WriteToolCells(EmptyAreaWrites(map, cells)); }
