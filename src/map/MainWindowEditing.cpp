// Painting, filling, stamping and picking cells with the mouse in the main window: the tool in
// hand says what to write (ToolState.h), the stage writes it.
#include "Editor.h"
#include "Globals.h"
#include "MainWindow.h"
#include "PaletteWindow.h"
#include "map/ChipsInHand.h"
#include "map/core/CoveringChips.h"
#include "map/core/FillRules.h"
#include "map/core/ToolState.h"

#include <utility>

bool MainWindow::WriteToolCells(CellWrites writes) {
    if (editor == nullptr) return false;
    return WriteWritableCells(stage, std::move(writes), editor->shownLayers);
}

ToolInput MainWindow::InputAt(POINT point, bool shift) const {
    const ViewZoom zoom = editor->zoom;
    const CellRect view = ViewCells(scrollX, scrollY, zoom);
    const CellPoint cell = DragCell(editor->tools.Tool(), ViewPointCell(point.x, point.y, scrollX, scrollY, zoom), view);
    return ToolInput{map, editor->hand.ChipToLay(CurrentChip), cell, view, shift, &editor->hand};
}

void MainWindow::PlaceChip(POINT point, bool shift) {
    if (editor == nullptr) return;
    stage.BeginStroke();
    const ToolStep step = editor->tools.Press(InputAt(point, shift));
    WriteToolCells(step.writes);
    NoteTerrainStep(step);
    // A tool whose press is all it does is one step already.
    if (!editor->tools.Dragging()) stage.EndStroke();
}

void MainWindow::ContinueStroke(POINT point) {
    if (editor == nullptr) return;
    const ToolStep step = editor->tools.Drag(InputAt(point, false));
    // Each move that paints shows as a click does: the palettes, then the view.
    if (WriteToolCells(step.writes)) NoteChanges(kRedrawPalettes);
    if (step.redraw) NoteChanges(kChangedOutline);
    NoteTerrainStep(step);
}

void MainWindow::EndStroke() {
    if (editor != nullptr && editor->tools.Dragging()) {
        ToolState& tools = editor->tools;
        // A drag that marked cells ends: a selection shows its cells, a rectangle or a line
        // what it wrote, as a click shows it.
        const bool marked = tools.Tool().EscapeDrops();
        const ToolStep step = tools.Release(InputAt(editor->lastPointer, false));
        WriteToolCells(step.writes);
        if (step.selects) {
            NoteChanges(kChangedMarks);
        } else if (marked) {
            NoteChanges(kRedrawPalettes | kRedrawView);
        }
    }
    stage.EndStroke();
}

void MainWindow::CancelStroke() {
    if (editor != nullptr && editor->tools.Dragging()) {
        if (editor->tools.Tool().EscapeDrops()) NoteChanges(kChangedOutline);
        editor->tools.Tool().Cancel();
    }
    stage.EndStroke();
}

void MainWindow::PickChip(POINT point) {
    if (editor == nullptr) return;
    // The pick reads map pixels: zoomed out, a view pixel stands for several.
    const int32_t factor = editor->zoom.factor;
    const PickResult picked =
        PickDrawnChip(map, scrollX, scrollY, point.x * factor, point.y * factor, editor->shownLayers);
    if (picked.kind == PickResult::Kind::kNothing) return;
    CurrentChip = picked.chip;
    ChooseTerrainOfChipInHand();
    NoteChanges(kChangedChip);
    if (picked.kind == PickResult::Kind::kEraser) return;  // the palettes keep their frames
    const bool small = picked.palette == PickResult::Palette::kSmall;
    PaletteWindow* chosen = small ? smallPalette : largePalette;
    PaletteWindow* other = small ? largePalette : smallPalette;
    if (chosen == nullptr || other == nullptr) return;
    chosen->model.active = true;
    other->model.active = false;
    chosen->SetHighlight(picked.highlightX, picked.highlightY);
}

void MainWindow::StampBlock(const CellBlock& block, CellPoint topLeft) {
    WriteToolCells(StampWrites(map, block, topLeft, ModelOf(smallPalette), ModelOf(largePalette)));
}

void MainWindow::EmptyCells(const CellRect& cells) { WriteToolCells(EmptyAreaWrites(map, cells)); }
