// One editing tool of the map view, as the left button uses it. A tool reads the map and says
// what to write; it never writes itself. The shell hands it the cell under the pointer at the
// press, at each move while the button is held and at the release, applies the writes through
// the stage (everything from the press to the release is one undo step, none when nothing
// changed), draws the outline or the preview it asks for and shows its pointer.
#pragma once
#include "core/ChipEntry.h"
#include "dialogs/core/SettingsRules.h"
#include "map/core/CellArea.h"
#include "map/core/CellWrite.h"
#include "map/core/MapModel.h"
#include "render/core/ViewGeometry.h"

class ChipHand;

// What a tool is told of one event.
struct ToolInput {
    const MapModel& map;
    ChipEntry chip;       // the chip in hand
    CellPoint cell;       // under the pointer; outside the map or the view while a drag is
    CellRect paintable;   // the cells the view shows: the pen paints only these
    bool shift = false;   // Shift held at the press
    const ChipHand* hand = nullptr;  // the random brush and the terrains; none: the chip only
    MapPoint point;       // under the pointer, in map pixels: what the start tool sets
};

// What a tool does with one event.
struct ToolStep {
    CellWrites writes;        // to apply now
    bool redraw = false;      // what the tool draws over the view (an outline, a preview) moved
    bool selects = false;     // the release of a selection: `selection` becomes the selected cells
    CellRect selection;
    // Painting terrain: the cells of the stroke so far that the set draws with a substitute,
    // for want of a chip with the corners they need; -1 when no terrain was painted.
    int32_t substitutes = -1;
    // The start tool's click: the start position it moves to, or why it stays.
    bool startClicked = false;
    StartClick start;
};

// The pointer a tool shows over the map: its own, or the eraser's while what it lays down
// erases.
enum class ToolPointer { kOwn, kEraser };

class MapTool {
public:
    virtual ~MapTool() = default;

    // The left button pressed over a cell of the view.
    virtual ToolStep Press(const ToolInput& input) = 0;
    // True from a press until the release for a tool that follows the drag; a tool whose press
    // is all it does (the fill) never drags.
    virtual bool Dragging() const = 0;
    // The pointer seen over another cell while dragging, also outside the view or the map.
    virtual ToolStep Drag(const ToolInput& input) = 0;
    virtual ToolStep Release(const ToolInput& input) = 0;
    // The mouse taken away, another tool, a new map: the drag ends. What a drag marks is
    // dropped; a stroke keeps what it painted.
    virtual void Cancel() = 0;
    // True when Escape takes the drag away, as a mark the designer may change their mind
    // about; a stroke is no mark, and Escape goes on to its other meanings.
    virtual bool EscapeDrops() const { return false; }
    // The view moved under a pointer that stayed still: the end of what is dragged follows the
    // cell now under it; true when that changes what is drawn. Nothing paints meanwhile.
    virtual bool KeepUnderPointer(CellPoint /*cell*/) { return false; }
    // A new or opened map: nothing of the last one is remembered.
    virtual void Forget() {}

    // The rectangle a drag outlines, in map cells clipped to the map (empty when it lies wholly
    // outside); false when the tool outlines nothing now.
    virtual bool Outline(MapCellCounts /*counts*/, CellRect& /*cells*/) const { return false; }
    // Writes shown in the view where they would land, without being applied (a line being
    // dragged).
    virtual CellWrites Preview(const MapModel& /*map*/, const ChipEntry& /*chip*/,
                               const CellRect& /*paintable*/) const {
        return {};
    }
    virtual ToolPointer Pointer(const ChipEntry& /*chip*/) const { return ToolPointer::kOwn; }
};
