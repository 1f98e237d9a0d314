#include "map/core/CellBlock.h"

#include <algorithm>
#include <unordered_map>

#include "map/core/ChipPainting.h"
#include "map/core/DocumentCells.h"
#include "map/core/FillRules.h"

namespace {

// CellFromChipId searches the palette cell by cell; a block holds few distinct chips, so each
// is looked up once.
class PaletteCells {
public:
    PaletteCells(int32_t layer, const PaletteModel& palette) : layer(layer), palette(palette) {}

    const MapCell& For(uint32_t chipId) {
        auto found = cells.find(chipId);
        if (found == cells.end())
            found = cells.emplace(chipId, CellFromChipId(chipId, layer, palette)).first;
        return found->second;
    }

private:
    int32_t layer;
    const PaletteModel& palette;
    std::unordered_map<uint32_t, MapCell> cells;
};

}  // namespace

CellBlock CopyBlock(const MapModel& map, const CellRect& area) {
    CellBlock block;
    const MapCellCounts counts = map.CellCounts();
    const CellRect inside = ClipToMap(area, counts);
    if (!map.HasLayers() || inside.Empty()) return block;
    block.columns = static_cast<uint32_t>(inside.right - inside.left + 1);
    block.rows = static_cast<uint32_t>(inside.bottom - inside.top + 1);
    for (int layer = 0; layer < 3; ++layer) {
        const MapCell* cells = map.Layer(layer);
        std::vector<uint32_t>& ids = block.layers[layer];
        ids.reserve(block.CellCount());
        for (int32_t row = inside.top; row <= inside.bottom; ++row) {
            for (int32_t column = inside.left; column <= inside.right; ++column)
                ids.push_back(cells[IndexOf(CellPoint{column, row}, counts)].chipId);
        }
    }
    return block;
}

CellWrites StampWrites(const MapModel& map, const CellBlock& block, CellPoint topLeft,
                       const PaletteModel& smallPalette, const PaletteModel& largePalette,
                       const CellRect& within) {
    CellWrites writes;
    if (!map.HasLayers() || block.Unusable()) return writes;
    // In 64 bits: a block may reach past the map on any side, and topLeft be anywhere.
    const CellRect reach = ClipToMap(
        Intersection(CellRect{topLeft.column, topLeft.row,
                              static_cast<int32_t>(std::min<int64_t>(int64_t{topLeft.column} + block.columns - 1, INT32_MAX)),
                              static_cast<int32_t>(std::min<int64_t>(int64_t{topLeft.row} + block.rows - 1, INT32_MAX))},
                     within),
        map.CellCounts());
    if (reach.Empty()) return writes;
    PaletteCells palettes[] = {{0, smallPalette}, {1, smallPalette}, {kLargeChipLayer, largePalette}};
    const MapCellCounts counts = map.CellCounts();
    for (int32_t row = reach.top; row <= reach.bottom; ++row) {
        for (int32_t column = reach.left; column <= reach.right; ++column) {
            const size_t at = static_cast<size_t>(int64_t{row} - topLeft.row) * block.columns +
                              static_cast<size_t>(int64_t{column} - topLeft.column);
            const uint32_t index = IndexOf(CellPoint{column, row}, counts);
            // Layers in the order a map data file stores them.
            for (int layer : {2, 1, 0}) {
                const uint32_t chipId = block.layers[layer][at];
                if (chipId != 0) AppendIfChanged(map, index, layer, palettes[layer].For(chipId), writes);
            }
        }
    }
    return writes;
}

CellWrites EmptyAreaWrites(const MapModel& map, const CellRect& area) {
    if (area.Empty()) return {};
    // What the eraser's rectangle does.
    return RectangleFillWrites(map, ChipEntry{0, 0, 0, 3}, CellPoint{area.left, area.top},
                               CellPoint{area.right, area.bottom});
}
