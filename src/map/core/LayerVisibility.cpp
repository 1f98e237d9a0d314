#include "map/core/LayerVisibility.h"

#include <algorithm>

#include "map/core/Stage.h"

void DropUnwritableLayerWrites(CellWrites& writes, const LayerVisibility& layers) {
    writes.erase(std::remove_if(writes.begin(), writes.end(),
                                [&](const CellWrite& write) { return !layers.Writable(write.layer); }),
                 writes.end());
}

bool WriteWritableCells(Stage& stage, CellWrites writes, const LayerVisibility& layers) {
    DropUnwritableLayerWrites(writes, layers);
    return stage.WriteCells(writes);
}
