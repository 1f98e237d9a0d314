// The rectangle: press, drag, release, and the rectangle between the two cells is filled with
// the chip in hand (RectangleFillWrites), outlined while it is dragged. With a terrain set in
// hand the rectangle is painted with the terrain, its border drawn by the set's edges.
#pragma once
#include "map/core/FillRules.h"
#include "map/core/terrain/TerrainRules.h"
#include "map/core/tools/ChipHand.h"
#include "map/core/tools/DragBetweenCells.h"

class RectangleTool final : public DragOutlined {
protected:
    ToolStep Finish(const ToolInput& in) override {
        ToolStep step;
        if (in.hand != nullptr && in.hand->TerrainInHand()) {
            const CellRect cells = ClipToMap(RectBetween(start, end), in.map.CellCounts());
            TerrainWrites painted = TerrainPaintWrites(in.map, *in.hand->terrains,
                                                       static_cast<size_t>(in.hand->ChosenTerrain()),
                                                       CellsOfRect(cells), true, in.hand->random);
            step.writes = std::move(painted.writes);
            step.substitutes = static_cast<int32_t>(painted.substituted.size());
            return step;
        }
        step.writes = RectangleFillWrites(in.map, in.chip, start, end);
        return step;
    }
};
