// The editing tools of the map view: which tool the left button uses, a rectangle or a
// selection being dragged, the selected cells and a block being pasted. View state only: never
// saved and never an undo step. The shell hands it the cells under the pointer and asks it what
// to outline and what Escape clears; what a tool writes comes from the fill, stroke and block
// rules.
#pragma once
#include <cstdint>
#include <vector>

#include "map/core/CellArea.h"
#include "map/core/CellBlock.h"
#include "map/core/MapModel.h"

enum class EditingTool { kPen, kRectangle, kFill, kSelection };

// The map cell under view point (x, y) of the view scrolled to (scrollX, scrollY). Points
// outside the view count too (a drag that left the window): the divisions round down, so a
// point left of the view lies in the column before it.
CellPoint ViewPointCell(int32_t x, int32_t y, int32_t scrollX, int32_t scrollY);

// The 16 x 12 cells the view shows, whether or not the map reaches them.
CellRect ViewCells(int32_t scrollX, int32_t scrollY);

// What Escape took away.
enum class Cleared { kNothing, kPaste, kDrag, kSelection };

class ToolState {
public:
    EditingTool Tool() const { return tool; }
    // Another tool ends a paste and a drag and clears the selection. Choosing the tool
    // already active changes nothing.
    void SelectTool(EditingTool next);

    // ---- A rectangle or a selection dragged with the left button, from the cell pressed to
    // the cell under the pointer.
    void BeginDrag(CellPoint cell);
    // True when the drag goes on and its end moved to another cell.
    bool DragTo(CellPoint cell);
    bool Dragging() const { return dragging; }
    CellPoint DragStart() const { return dragStart; }
    CellPoint DragEnd() const { return dragEnd; }
    // The release, the capture lost or a key that cancels it.
    void EndDrag() { dragging = false; }

    // ---- The selected cells: a rectangle inside the map, or none.
    // The rectangle's part inside the map becomes the selection; none when no part is.
    void Select(const CellRect& cells, MapCellCounts counts);
    bool HasSelection() const { return !selection.Empty(); }
    const CellRect& Selection() const { return selection; }
    // After the map changed size (an undo, a redo, the edit area): the part still inside it.
    void KeepInMap(MapCellCounts counts);

    // ---- A block following the pointer until it is stamped, ended or the tool changes.
    void StartPaste(CellBlock block);
    void EndPaste();
    bool Pasting() const { return pasting; }
    const CellBlock& PasteBlock() const { return pasteBlock; }
    // Where the pointer is over the view, or that it left it: the pasted block's top-left.
    void PointerAt(CellPoint cell);
    void PointerGone() { pointerInView = false; }
    bool PointerInView() const { return pointerInView; }
    CellPoint Pointer() const { return pointer; }
    // The cells the pasted block covers with its top-left at the pointer, clipped to the map;
    // empty when nothing is pasted, the pointer is away or the block lies wholly outside.
    CellRect PasteCells(MapCellCounts counts) const;

    // Escape: the first of a paste, a drag and the selection that there is, cleared.
    Cleared Escape();
    // A new or opened map: no paste, drag or selection is left; the tool stays.
    void ForgetMarks();

    // The rectangles to outline over the view, in map cells inside the map: a rectangle or
    // selection being dragged, else the selection; then the pasted block at the pointer.
    std::vector<CellRect> Outlines(MapCellCounts counts) const;

private:
    EditingTool tool = EditingTool::kPen;
    bool dragging = false;
    CellPoint dragStart;
    CellPoint dragEnd;
    CellRect selection;
    bool pasting = false;
    CellBlock pasteBlock;
    bool pointerInView = false;
    CellPoint pointer;
};
