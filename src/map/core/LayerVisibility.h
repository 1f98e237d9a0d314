// Which of the three layers the designer sees. The view and the overview draw only the shown
// layers, and the editing tools write only into them, so nothing lands where the designer
// cannot see it. View state only: never saved, never part of the map or its history.
#pragma once
#include "map/core/CellWrite.h"
#include "map/core/MapModel.h"

class LayerVisibility {
public:
    // False for a number other than 0, 1 and 2, which no tool may write either.
    bool Shows(int layer) const { return layer >= 0 && layer <= 2 && shown[layer]; }
    void Set(int layer, bool show) {
        if (layer >= 0 && layer <= 2) shown[layer] = show;
    }
    void Toggle(int layer) { Set(layer, !Shows(layer)); }

private:
    bool shown[3] = {true, true, true};
};

// A layer's cells as the view and the overview draw them: null for a hidden layer, which is
// drawn as if every cell of it were empty.
inline const MapCell* ShownLayerCells(const MapModel& map, const LayerVisibility& shown, int layer) {
    return shown.Shows(layer) ? map.Layer(layer) : nullptr;
}

// Removes the writes into hidden layers from what a tool produced, keeping the others in
// their order.
void DropHiddenLayerWrites(CellWrites& writes, const LayerVisibility& visible);
