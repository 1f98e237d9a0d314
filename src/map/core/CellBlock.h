// A block of cells for copy, cut, paste and delete: the chip ids of all three layers of a
// rectangle of the map. Only ids are kept, as in a map file; a stamp takes each chip's sheet
// position from its palette, as the map readers do.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/PaletteModel.h"
#include "map/core/CellArea.h"
#include "map/core/CellWrite.h"
#include "map/core/MapModel.h"

struct CellBlock {
    uint32_t columns = 0;
    uint32_t rows = 0;
    // Chip ids of layers 0, 1 and 2, columns * rows each, row by row; 0 is an empty cell.
    std::array<std::vector<uint32_t>, 3> layers;

    size_t CellCount() const { return size_t{columns} * rows; }
    // True when it holds no cell, or its layers do not have CellCount() ids each.
    bool Unusable() const {
        for (const std::vector<uint32_t>& ids : layers)
            if (ids.size() != CellCount()) return true;
        return CellCount() == 0;
    }
};

inline bool operator==(const CellBlock& a, const CellBlock& b) {
    return a.columns == b.columns && a.rows == b.rows && a.layers == b.layers;
}

// The cells of the rectangle's part inside the map; a block of no cells when none is.
CellBlock CopyBlock(const MapModel& map, const CellRect& area);

// The block stamped with its top-left cell at `topLeft`: each chip the block holds replaces the
// map cell's chip in that layer, with its sheet position found in the small palette (layers 0
// and 1) or the large one (layer 2); cells empty in the block leave the map's cell as it is in
// that layer. Parts outside the map are dropped, and so are those outside `within` (the view's
// preview of a paste asks only for the cells it can draw). Nothing for an unusable block.
CellWrites StampWrites(const MapModel& map, const CellBlock& block, CellPoint topLeft,
                       const PaletteModel& smallPalette, const PaletteModel& largePalette,
                       const CellRect& within = kEveryCell);

// All three layers of every cell of the rectangle's part inside the map emptied: delete, and
// cut once the block is copied.
CellWrites EmptyAreaWrites(const MapModel& map, const CellRect& area);
