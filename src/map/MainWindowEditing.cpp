// Painting, filling, stamping and picking cells with the mouse in the main window: the tool in
// hand says what to write (ToolState.h), the stage writes it.
#include <utility>

#include "Editor.h"
#include "Globals.h"
#include "LayersWindow.h"
#include "MainWindow.h"
#include "PaletteWindow.h"
#include "map/ChipsInHand.h"
#include "map/core/CoveringChips.h"
#include "map/core/FillRules.h"
#include "map/core/ToolState.h"
#include "map/core/tools/ToolTable.h"
#include "resource.h"

bool MainWindow::WriteToolCells(CellWrites writes) {
    if (editor == nullptr) return false;
    LayersWindow* layers = editor->layersWindow;
    if (layers == nullptr) return WriteWritableCells(stage, std::move(writes), editor->shownLayers);
    // The layers panel's counts follow what is written, so they need no count of the map.
    DropUnwritableLayerWrites(writes, editor->shownLayers);
    layers->FollowWrites(map, writes);
    const bool changed = WriteWritableCells(stage, std::move(writes), editor->shownLayers);
    layers->FollowedTo(stage.StateId());
    return changed;
}

ToolInput MainWindow::InputAt(POINT point, bool shift) const {
    const ViewZoom zoom = editor->zoom;
    const CellRect view = ViewCells(scrollX, scrollY, zoom);
    const CellPoint cell = DragCell(editor->tools.Tool(), ViewPointCell(point.x, point.y, scrollX, scrollY, zoom), view);
    ToolInput input{map, editor->hand.ChipToLay(CurrentChip), cell, view, shift, &editor->hand};
    input.point = ViewPointPixel(point.x, point.y, scrollX, scrollY, zoom);
    return input;
}

// The start tool's click: the start position moves there, specified, as one undo step, and the
// start-position dialog shows it; a point beyond its bounds changes nothing, and the layers
// panel says why.
void MainWindow::MoveStartByClick(const StartClick& click) {
    LayersNote note;
    note.startRefused = !click.moved;
    SetLayersNote(note);
    if (!click.moved) return;
    StageSettings settings = stage.Settings();
    settings.startX = click.start.x;
    settings.startY = click.start.y;
    settings.startUnspecified = false;
    if (stage.ChangeSettings(settings)) NoteChanges(kChangedStartFromMap);
}

// A fill, a rectangle or a stamp tells the layers panel how many of the chips it lays an upper
// layer will draw over; nothing is refused for it.
void MainWindow::NoteCoveredChips(CellWrites writes) {
    DropUnwritableLayerWrites(writes, editor->shownLayers);
    LayersNote note;
    note.covered = CoveredChipWrites(map, writes);
    SetLayersNote(note);
}

bool MainWindow::ToolTellsCovered() const {
    const uint32_t command = ToolRows()[editor->tools.Active()].command;
    return command == ID_TOOL_FILL || command == ID_TOOL_RECTANGLE;
}

void MainWindow::PlaceChip(POINT point, bool shift) {
    if (editor == nullptr) return;
    stage.BeginStroke();
    const ToolStep step = editor->tools.Press(InputAt(point, shift));
    if (step.startClicked) MoveStartByClick(step.start);
    if (!step.writes.empty() && ToolTellsCovered()) NoteCoveredChips(step.writes);
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
        if (!step.writes.empty() && ToolTellsCovered()) NoteCoveredChips(step.writes);
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
    CellWrites writes = StampWrites(map, block, topLeft, ModelOf(smallPalette), ModelOf(largePalette));
    NoteCoveredChips(writes);
    WriteToolCells(std::move(writes));
}

void MainWindow::EmptyCells(const CellRect& cells) { WriteToolCells(EmptyAreaWrites(map, cells)); }
