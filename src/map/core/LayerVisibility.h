// Which of the three layers the designer sees, and which of them are locked. The view and the
// overview draw only the shown layers; the editing tools write only into the layers that are
// shown and not locked, so nothing lands where the designer cannot see it or has closed it to
// changes. View state only: never saved, never part of the map or its history.
#pragma once
#include "map/core/CellWrite.h"
#include "map/core/MapModel.h"

class Stage;

class LayerVisibility {
public:
    // False for a number other than 0, 1 and 2, which no tool may write either.
    bool Shows(int layer) const { return IsLayer(layer) && shown[layer]; }
    void Set(int layer, bool show) {
        if (IsLayer(layer)) shown[layer] = show;
    }
    void Toggle(int layer) { Set(layer, !Shows(layer)); }

    // A locked layer is drawn as ever, but takes no writes, as a hidden one.
    bool Locked(int layer) const { return IsLayer(layer) && locked[layer]; }
    void SetLocked(int layer, bool lock) {
        if (IsLayer(layer)) locked[layer] = lock;
    }
    void ToggleLock(int layer) { SetLocked(layer, !Locked(layer)); }

    // The one rule of every writing path (the tools, a stamp, a cut, a delete): a layer takes
    // writes when it is shown and not locked.
    bool Writable(int layer) const { return Shows(layer) && !Locked(layer); }

private:
    static bool IsLayer(int layer) { return layer >= 0 && layer <= 2; }
    bool shown[3] = {true, true, true};
    bool locked[3] = {false, false, false};
};

// A layer's cells as the view and the overview draw them: null for a hidden layer, which is
// drawn as if every cell of it were empty.
inline const MapCell* ShownLayerCells(const MapModel& map, const LayerVisibility& shown, int layer) {
    return shown.Shows(layer) ? map.Layer(layer) : nullptr;
}

// Removes the writes into layers that are hidden or locked from what a tool produced, keeping
// the others in their order.
void DropUnwritableLayerWrites(CellWrites& writes, const LayerVisibility& layers);

// What a tool, a stamp, a cut or a delete produced, written through the stage as one edit
// without the writes the layers refuse. True when a cell changed.
bool WriteWritableCells(Stage& stage, CellWrites writes, const LayerVisibility& layers);
