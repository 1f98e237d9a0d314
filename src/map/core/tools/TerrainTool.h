// The terrain brush: a click or a drag paints the chosen terrain set (ChipHand.h) onto every
// cell the pointer crosses within the view, and re-fits those cells and their neighbours
// (TerrainRules.h); with Shift held at the press it takes the terrain away instead. The
// stroke counts the cells it leaves drawn with a substitute.
#pragma once
#include <unordered_set>

#include "map/core/StrokeLine.h"
#include "map/core/terrain/TerrainRules.h"
#include "map/core/tools/ChipHand.h"
#include "map/core/tools/MapTool.h"

class TerrainTool final : public MapTool {
public:
    ToolStep Press(const ToolInput& in) override {
        active = in.hand != nullptr && in.hand->HasTerrain();
        if (!active) return {};
        inside = !in.shift;
        last = in.cell;
        substituted.clear();
        std::vector<CellPoint> cells;
        if (Contains(in.paintable, in.cell)) cells.push_back(in.cell);
        return Paint(in, cells);
    }
    bool Dragging() const override { return active; }
    ToolStep Drag(const ToolInput& in) override {
        if (!active || in.hand == nullptr || !in.hand->HasTerrain() || in.cell == last) return {};
        // Both ends outside the view: the pointer may have gone round it rather than across.
        const bool across = Contains(in.paintable, last) || Contains(in.paintable, in.cell);
        std::vector<CellPoint> cells;
        if (across) {
            for (const CellPoint& cell : CellsOnLine(last, in.cell)) {
                if (!(cell == last) && Contains(in.paintable, cell)) cells.push_back(cell);
            }
        }
        last = in.cell;
        return Paint(in, cells);
    }
    ToolStep Release(const ToolInput&) override {
        active = false;
        return {};
    }
    void Cancel() override { active = false; }

private:
    bool active = false;
    bool inside = true;
    CellPoint last;
    std::unordered_set<uint32_t> substituted;

    ToolStep Paint(const ToolInput& in, const std::vector<CellPoint>& cells) {
        const ChipHand& hand = *in.hand;
        TerrainWrites painted = TerrainPaintWrites(in.map, *hand.terrains, static_cast<size_t>(hand.ChosenTerrain()),
                                                   cells, inside, hand.random);
        for (uint32_t index : painted.exact) substituted.erase(index);
        for (uint32_t index : painted.substituted) substituted.insert(index);
        ToolStep step;
        step.writes = std::move(painted.writes);
        step.substitutes = static_cast<int32_t>(substituted.size());
        return step;
    }
};
