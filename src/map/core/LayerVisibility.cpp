#include "map/core/LayerVisibility.h"

#include <algorithm>

void DropHiddenLayerWrites(CellWrites& writes, const LayerVisibility& visible) {
    writes.erase(std::remove_if(writes.begin(), writes.end(),
                                [&](const CellWrite& write) { return !visible.Shows(write.layer); }),
                 writes.end());
}
