#include "render/core/OverviewCaption.h"

#include <cstdio>

#include "core/Texts.h"
#include "map/core/CellEditing.h"
#include "render/core/ViewGeometry.h"

std::string PointerCellText(const MapModel& map, int32_t scrollX, int32_t scrollY, bool pointerInView,
                            int32_t x, int32_t y, ViewZoom zoom) {
    uint32_t index = 0;
    if (!pointerInView || x < 0 || y < 0 || x >= kViewWidth || y >= kViewHeight) return {};
    if (!map.HasLayers() || !CellAt(map, scrollX, scrollY, x * zoom.factor, y * zoom.factor, index)) return {};
    const uint32_t cellsX = map.CellCounts().cellsX;
    char cell[96];
    std::snprintf(cell, sizeof(cell), " (%u, %u) 0:%u 1:%u 2:%u", index % cellsX, index / cellsX,
                  map.Layer(0)[index].chipId, map.Layer(1)[index].chipId, map.Layer(2)[index].chipId);
    return cell;
}

std::string OverviewCaption(const MapModel& map, int32_t scrollX, int32_t scrollY,
                            bool pointerInView, int32_t x, int32_t y, ViewZoom zoom) {
    return texts::kOverviewTitle + PointerCellText(map, scrollX, scrollY, pointerInView, x, y, zoom);
}
