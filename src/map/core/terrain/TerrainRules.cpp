#include "map/core/terrain/TerrainRules.h"

#include <algorithm>

#include "map/core/ChipPainting.h"

namespace {

// Cell (column, row) has its top-left corner at point (column, row); points run one further
// than cells in each direction.
struct CornerOffset {
    int32_t dx;
    int32_t dy;
    uint8_t bit;
};
constexpr CornerOffset kCorners[4] = {
    {0, 0, kTopLeft}, {1, 0, kTopRight}, {1, 1, kBottomRight}, {0, 1, kBottomLeft}};

// The corner bit of point (px, py) in the cell at (column, row) beside it.
uint8_t CornerBitOf(int32_t px, int32_t py, int32_t column, int32_t row) {
    const bool right = px > column;
    const bool below = py > row;
    return below ? (right ? kBottomRight : kBottomLeft) : (right ? kTopRight : kTopLeft);
}

class CornerReader {
public:
    CornerReader(const MapModel& map, const TerrainSets& sets, size_t set)
        : counts(map.CellCounts()),
          layer(map.Layer(sets.Set(set).layer)),
          sets(sets),
          set(static_cast<int>(set)),
          setLayer(sets.Set(set).layer) {
        // A chip the set also draws for combinations it has no chip for stands for any of
        // them: the corners all of them have inside are surely inside. Read with its own
        // corners alone, the corner a substitute adds would be terrain the next time the
        // cell's neighbours are fitted, and each re-fitting would spread the terrain further.
        const TerrainSet& terrain = sets.Set(set);
        for (uint8_t& corners : readAs) corners = kAllCorners;
        for (int needed = 0; needed < kCornerCombinations; ++needed) readAs[terrain.drawnAs[needed]] &= needed;
    }

    bool InMap(int32_t column, int32_t row) const {
        return column >= 0 && row >= 0 && static_cast<uint32_t>(column) < counts.cellsX &&
               static_cast<uint32_t>(row) < counts.cellsY;
    }
    uint32_t Index(int32_t column, int32_t row) const {
        return static_cast<uint32_t>(row) * counts.cellsX + static_cast<uint32_t>(column);
    }
    // The chip's membership, when it is one of the set's.
    bool OfSet(uint32_t index, uint8_t& corners) const {
        const TerrainMember member = sets.Member(setLayer, layer[index]);
        corners = member.corners;
        return member.set == set;
    }
    // True when a cell around point (px, py) puts the point inside. A chip puts it inside
    // surely when every combination it stands for has the corner inside. A corner the chip may
    // have only as a substitute counts unless a chip of the set around the point has it
    // outside, or, for any chip but a full one, an empty cell is around it: a full chip laid
    // by hand beside empty ground is terrain to be given its edges, a substitute beside what
    // was fitted empty is not.
    bool PointInside(int32_t px, int32_t py) const {
        bool claimed = false;      // by a chip that is not full
        bool fullClaimed = false;  // by a full chip
        for (int32_t row = py - 1; row <= py; ++row) {
            for (int32_t column = px - 1; column <= px; ++column) {
                uint8_t corners = 0;
                if (!InMap(column, row) || !OfSet(Index(column, row), corners)) continue;
                const uint8_t bit = CornerBitOf(px, py, column, row);
                if ((readAs[corners] & bit) != 0) return true;
                if ((corners & bit) != 0) (corners == kAllCorners ? fullClaimed : claimed) = true;
            }
        }
        if (!claimed && !fullClaimed) return false;
        // Only beside a substitute: whether a cell around says otherwise.
        for (int32_t row = py - 1; row <= py; ++row) {
            for (int32_t column = px - 1; column <= px; ++column) {
                if (!InMap(column, row)) continue;
                const uint32_t index = Index(column, row);
                uint8_t corners = 0;
                if (OfSet(index, corners) ? (corners & CornerBitOf(px, py, column, row)) == 0
                                          : layer[index].chipId == 0 && !fullClaimed) {
                    return false;
                }
            }
        }
        return true;
    }
    uint8_t CornersAt(CellPoint cell) const {
        uint8_t needed = 0;
        for (const CornerOffset& corner : kCorners) {
            if (PointInside(cell.column + corner.dx, cell.row + corner.dy)) needed |= corner.bit;
        }
        return needed;
    }

    MapCellCounts counts;
    const MapCell* layer;
    const TerrainSets& sets;
    int set;
    int setLayer;
    // The corners surely inside for a chip of the set, by the chip's own corners.
    uint8_t readAs[kCornerCombinations];
};

// Gives the cell the set's chip for `needed`; with `keep`, a chip that already has the corners
// drawn stays, whichever variation it is.
void Fit(const MapModel& map, const CornerReader& reader, const TerrainSet& set, uint32_t index,
         uint8_t needed, const ChipRandom& random, bool keep, TerrainWrites& out) {
    uint8_t own = 0;
    const bool ofSet = reader.OfSet(index, own);
    if (needed == 0) {
        AppendIfChanged(map, index, set.layer, MapCell{}, out.writes);
        return;
    }
    const uint8_t drawn = set.drawnAs[needed];
    (drawn == needed ? out.exact : out.substituted).push_back(index);
    if (keep && ofSet && own == drawn) return;
    const TerrainChip& chip = set.ChipFor(needed, random.At(index, static_cast<uint32_t>(reader.set)));
    AppendIfChanged(map, index, set.layer, CellOf(chip.chip), out.writes);
}

}  // namespace

uint8_t CornersInMap(const MapModel& map, const TerrainSets& sets, size_t set, CellPoint cell) {
    if (set >= sets.Count() || map.Layer(sets.Set(set).layer) == nullptr) return 0;
    return CornerReader(map, sets, set).CornersAt(cell);
}

TerrainWrites TerrainPaintWrites(const MapModel& map, const TerrainSets& sets, size_t set,
                                 const std::vector<CellPoint>& cells, bool inside,
                                 const ChipRandom& random) {
    TerrainWrites out;
    if (set >= sets.Count() || map.Layer(sets.Set(set).layer) == nullptr) return out;
    const CornerReader reader(map, sets, set);
    // A box one cell wider than the painted cells on every side holds every cell re-fitted.
    int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    for (const CellPoint& cell : cells) {
        if (!reader.InMap(cell.column, cell.row)) continue;
        left = std::min(left, cell.column - 1);
        top = std::min(top, cell.row - 1);
        right = std::max(right, cell.column + 1);
        bottom = std::max(bottom, cell.row + 1);
    }
    if (left > right) return out;
    const int32_t width = right - left + 1;
    const int32_t height = bottom - top + 1;
    // Marks by position in the box: cells painted, and corner points changed (one more
    // column and row of those).
    std::vector<uint8_t> painted(static_cast<size_t>(width) * height, 0);
    std::vector<uint8_t> changed(static_cast<size_t>(width + 1) * (height + 1), 0);
    for (const CellPoint& cell : cells) {
        if (!reader.InMap(cell.column, cell.row)) continue;
        const int32_t x = cell.column - left;
        const int32_t y = cell.row - top;
        painted[static_cast<size_t>(y) * width + x] = 1;
        for (const CornerOffset& corner : kCorners) {
            changed[static_cast<size_t>(y + corner.dy) * (width + 1) + x + corner.dx] = 1;
        }
    }
    const TerrainSet& terrain = sets.Set(set);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const CellPoint cell{left + x, top + y};
            if (!reader.InMap(cell.column, cell.row)) continue;
            bool touched = false;
            uint8_t needed = 0;
            for (const CornerOffset& corner : kCorners) {
                const bool marked = changed[static_cast<size_t>(y + corner.dy) * (width + 1) + x + corner.dx];
                touched |= marked;
                const bool in = marked ? inside
                                       : reader.PointInside(cell.column + corner.dx, cell.row + corner.dy);
                if (in) needed |= corner.bit;
            }
            if (!touched) continue;
            const uint32_t index = reader.Index(cell.column, cell.row);
            uint8_t own = 0;
            const bool foreign = reader.layer[index].chipId != 0 && !reader.OfSet(index, own);
            // A chip of no set, or of another, gives way only to the terrain painted onto it.
            if (foreign && !(inside && painted[static_cast<size_t>(y) * width + x])) continue;
            Fit(map, reader, terrain, index, needed, random, true, out);
        }
    }
    return out;
}

TerrainWrites AutotileWrites(const MapModel& map, const TerrainSets& sets, const ChipRandom& random) {
    TerrainWrites out;
    const MapCellCounts counts = map.CellCounts();
    for (int layer = 0; layer <= 1; ++layer) {
        std::vector<size_t> ofLayer;
        std::vector<CornerReader> readers;
        for (size_t set = 0; set < sets.Count(); ++set) {
            if (sets.Set(set).layer != layer || map.Layer(layer) == nullptr) continue;
            ofLayer.push_back(set);
            readers.emplace_back(map, sets, set);
        }
        if (ofLayer.empty()) continue;
        const MapCell* cells = map.Layer(layer);
        for (uint32_t row = 0; row < counts.cellsY; ++row) {
            for (uint32_t column = 0; column < counts.cellsX; ++column) {
                const CellPoint cell{static_cast<int32_t>(column), static_cast<int32_t>(row)};
                const uint32_t index = row * counts.cellsX + column;
                const int member = sets.Member(layer, cells[index]).set;
                for (size_t i = 0; i < ofLayer.size(); ++i) {
                    const bool ofSet = member == static_cast<int>(ofLayer[i]);
                    // A chip of no set stays; an empty cell goes to the first set reaching it.
                    if (!ofSet && (member >= 0 || cells[index].chipId != 0)) continue;
                    const uint8_t needed = readers[i].CornersAt(cell);
                    if (!ofSet && needed == 0) continue;
                    Fit(map, readers[i], sets.Set(ofLayer[i]), index, needed, random, false, out);
                    break;
                }
            }
        }
    }
    return out;
}

std::vector<CellPoint> CellsOfRect(const CellRect& rect) {
    std::vector<CellPoint> cells;
    if (rect.Empty()) return cells;
    cells.reserve(static_cast<size_t>(rect.right - rect.left + 1) * (rect.bottom - rect.top + 1));
    for (int32_t row = rect.top; row <= rect.bottom; ++row) {
        for (int32_t column = rect.left; column <= rect.right; ++column) cells.push_back({column, row});
    }
    return cells;
}
