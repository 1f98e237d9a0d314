// The bucket fill: a click fills the connected region under the pointer (BucketFillWrites).
// The click is all it does: it follows no drag. With a terrain set in hand the region, the
// cells holding the same chip in the set's layer, is painted with the terrain.
#pragma once
#include "map/core/FillRules.h"
#include "map/core/FloodFill.h"
#include "map/core/terrain/TerrainRules.h"
#include "map/core/tools/ChipHand.h"
#include "map/core/tools/MapTool.h"

class FillTool final : public MapTool {
public:
    ToolStep Press(const ToolInput& in) override {
        ToolStep step;
        if (in.hand != nullptr && in.hand->TerrainInHand()) {
            const size_t set = static_cast<size_t>(in.hand->ChosenTerrain());
            const TerrainSets& sets = *in.hand->terrains;
            std::vector<CellPoint> cells;
            for (const CellSpan& span : FillRegion(in.map, in.cell, static_cast<RegionLayers>(sets.Set(set).layer))) {
                for (uint32_t column = span.first; column <= span.last; ++column) {
                    cells.push_back({static_cast<int32_t>(column), static_cast<int32_t>(span.row)});
                }
            }
            TerrainWrites painted = TerrainPaintWrites(in.map, sets, set, cells, true, in.hand->random);
            step.writes = std::move(painted.writes);
            step.substitutes = static_cast<int32_t>(painted.substituted.size());
            return step;
        }
        step.writes = BucketFillWrites(in.map, in.chip, in.cell);
        return step;
    }
    bool Dragging() const override { return false; }
    ToolStep Drag(const ToolInput&) override { return {}; }
    ToolStep Release(const ToolInput&) override { return {}; }
    void Cancel() override {}
};
