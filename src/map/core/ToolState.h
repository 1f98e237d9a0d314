// The editing tools of the map view: the tools themselves (MapTool.h), which one the left
// button uses, the selected cells and a block being pasted. View state only: never saved and
// never an undo step. The shell hands it the cells under the pointer and asks it what to
// outline and what Escape clears; what a tool writes comes from the fill, stroke and block rules.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "map/core/CellArea.h"
#include "map/core/CellBlock.h"
#include "map/core/MapModel.h"
#include "map/core/tools/MapTool.h"
#include "render/core/ViewGeometry.h"

// The map cell under view point (x, y) of the view scrolled to (scrollX, scrollY). Points
// outside the view count too (a drag that left the window): the divisions round down, so a
// point left of the view lies in the column before it.
// At a zoom, a view pixel stands for `zoom.factor` map pixels.
CellPoint ViewPointCell(int32_t x, int32_t y, int32_t scrollX, int32_t scrollY, ViewZoom zoom = kFullZoom);

// The point of the map under view point (x, y), in map pixels: a view pixel is `factor` of them.
MapPoint ViewPointPixel(int32_t x, int32_t y, int32_t scrollX, int32_t scrollY, ViewZoom zoom = kFullZoom);

// The cells the view shows (16 x 12 at 100 %), whether or not the map reaches them.
CellRect ViewCells(int32_t scrollX, int32_t scrollY, ViewZoom zoom = kFullZoom);

// The cell a drag that marks cells (a rectangle, a selection, a line) follows under the
// pointer: kept inside the cells the view shows, so that the outline shows every cell the
// release writes; the view scrolls along instead (EdgeScrollStep). Other drags take the cell
// as it is.
CellPoint DragCell(const MapTool& tool, CellPoint cell, const CellRect& view);

// One step of the view while such a drag holds the pointer beyond the view's edge: a cell
// toward the pointer along each axis it is beyond, kept inside the map.
struct ViewStep {
    int32_t columns = 0;
    int32_t rows = 0;
    bool Any() const { return columns != 0 || rows != 0; }
};
ViewStep EdgeScrollStep(int32_t x, int32_t y, int32_t viewWidth, int32_t viewHeight);

// What Escape took away.
enum class Cleared { kNothing, kPaste, kDrag, kSelection };

class ToolState {
public:
    // The tools in their order; the first is in hand at the start.
    explicit ToolState(std::vector<std::unique_ptr<MapTool>> tools);

    size_t Active() const { return active; }
    MapTool& Tool() { return *tools[active]; }
    const MapTool& Tool() const { return *tools[active]; }
    // Another tool ends a paste and a drag and clears the selection. Choosing the tool
    // already active changes nothing; a number beyond the tools changes nothing either.
    void SelectTool(size_t next);

    // ---- The left button on the map, with the tool in hand. A selection's release selects.
    // The random brush's placeholder in what a tool writes becomes the chips in hand.
    ToolStep Press(const ToolInput& in) { return Resolved(in, Tool().Press(in)); }
    ToolStep Drag(const ToolInput& in) {
        return Tool().Dragging() ? Resolved(in, Tool().Drag(in)) : ToolStep{};
    }
    ToolStep Release(const ToolInput& in);
    bool Dragging() const { return Tool().Dragging(); }

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
    // The view moved under a pointer that stayed over `cell`: the pasted block and the end of
    // a drag follow it. True when what is drawn changed.
    bool KeepUnderPointer(CellPoint cell);

    // Escape: the first of a paste, a drag that marks cells and the selection that there is,
    // cleared.
    Cleared Escape();
    // Another tool: no paste, drag or selection is left; the tool stays.
    void ForgetMarks();
    // A new or opened map: as ForgetMarks, and the tools remember nothing of the last map.
    void ForgetMap();

    // The rectangles to outline over the view, in map cells inside the map: a rectangle or
    // selection being dragged, else the selection; then the pasted block at the pointer.
    std::vector<CellRect> Outlines(MapCellCounts counts) const;

private:
    static ToolStep Resolved(const ToolInput& in, ToolStep step);

    std::vector<std::unique_ptr<MapTool>> tools;
    size_t active = 0;
    CellRect selection;
    bool pasting = false;
    CellBlock pasteBlock;
    bool pointerInView = false;
    CellPoint pointer;
};
