#include "map/core/terrain/TerrainLearn.h"

#include <algorithm>
#include <map>

namespace {

constexpr char kTemplatePoints[kTemplateSide + 1][kTemplateSide + 2] = {
    "..#..", "..##.", "##..#", "##.##", "#...#"};

bool PointInside(int x, int y) { return kTemplatePoints[y][x] == '#'; }

std::string CellName(int column, int row) {
    return "(" + std::to_string(column) + "," + std::to_string(row) + ")";
}

// True when every cell of the template that takes a chip holds one in `layer`.
bool LayerFillsBlock(const MapModel& map, CellPoint at, int layer) {
    const MapCell* cells = map.Layer(layer);
    const uint32_t cellsX = map.CellCounts().cellsX;
    for (int row = 0; row < kTemplateSide; ++row) {
        for (int column = 0; column < kTemplateSide; ++column) {
            if (TemplateCorners(column, row) == 0) continue;
            const uint32_t index = static_cast<uint32_t>(at.row + row) * cellsX + at.column + column;
            if (cells[index].chipId == 0) return false;
        }
    }
    return true;
}

}  // namespace

uint8_t TemplateCorners(int column, int row) {
    uint8_t corners = 0;
    if (PointInside(column, row)) corners |= kTopLeft;
    if (PointInside(column + 1, row)) corners |= kTopRight;
    if (PointInside(column + 1, row + 1)) corners |= kBottomRight;
    if (PointInside(column, row + 1)) corners |= kBottomLeft;
    return corners;
}

bool LearnTerrainSet(const MapModel& map, CellPoint at, const std::string& name,
                     const PaletteModel& smallPalette, TerrainSet& set, std::string& error,
                     std::vector<std::string>& warnings) {
    const MapCellCounts counts = map.CellCounts();
    if (!map.HasLayers() || at.column < 0 || at.row < 0 ||
        static_cast<int64_t>(at.column) + kTemplateSide > counts.cellsX ||
        static_cast<int64_t>(at.row) + kTemplateSide > counts.cellsY) {
        error = "the 4 x 4 block at " + CellName(at.column, at.row) + " does not lie inside the map of " +
                std::to_string(counts.cellsX) + " x " + std::to_string(counts.cellsY) + " cells";
        return false;
    }
    const bool fills0 = LayerFillsBlock(map, at, 0);
    const bool fills1 = LayerFillsBlock(map, at, 1);
    if (fills0 == fills1) {
        error = fills0 ? "both small layers fill the block; empty the other layer there first"
                       : "neither layer 0 nor layer 1 holds a chip in each of the block's 15 cells";
        return false;
    }
    TerrainSet learnt;
    learnt.name = name;
    learnt.layer = fills0 ? 0 : 1;
    const MapCell* cells = map.Layer(learnt.layer);
    std::map<uint32_t, std::string> seen;
    for (int row = 0; row < kTemplateSide; ++row) {
        for (int column = 0; column < kTemplateSide; ++column) {
            const uint32_t index = static_cast<uint32_t>(at.row + row) * counts.cellsX + at.column + column;
            const uint32_t chipId = cells[index].chipId;
            const std::string where = CellName(at.column + column, at.row + row);
            const uint8_t corners = TemplateCorners(column, row);
            if (corners == 0) {
                if (chipId != 0) warnings.push_back("the cell at " + where + " stands for the empty cell; its chip is left out");
                continue;
            }
            const uint32_t code = chipId + 1000u * static_cast<uint32_t>(learnt.layer);
            TerrainChip chip;
            chip.code = code;
            chip.corners = corners;
            bool found = false;
            for (size_t i = 0; i < smallPalette.EntryCount() && !found; ++i) {
                const ChipEntry& entry = smallPalette.Entries()[i];
                found = entry.chipId == chipId && static_cast<int>(entry.layer) == learnt.layer;
                if (found) chip.chip = entry;
            }
            if (chipId >= 1000 || !found) {
                error = "the chip at " + where + " (chip id " + std::to_string(chipId) +
                        " of layer " + std::to_string(learnt.layer) + ") is not in the small chip table";
                return false;
            }
            const auto first = seen.emplace(code, where);
            if (!first.second) {
                error = "chip code " + std::to_string(code) + " stands at " + first.first->second + " and at " + where;
                return false;
            }
            learnt.chips.push_back(chip);
        }
    }
    // The full chip first: it is the one that stands for the set.
    std::stable_partition(learnt.chips.begin(), learnt.chips.end(),
                          [](const TerrainChip& chip) { return chip.corners == kAllCorners; });
    set = std::move(learnt);
    set.Prepare();
    return true;
}
