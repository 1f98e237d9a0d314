// The editor's two palettes, built from the chip tables built into the program, for what the
// editor derives from a chip id when it opens a map: the sheet position it draws, and whether
// any palette holds the chip at all.
#pragma once
#include <cstdint>

#include "core/PaletteModel.h"
#include "map/core/MapCell.h"
#include "map/core/MapDocument.h"
#include "map/core/MapModel.h"

class EditorPalettes {
public:
    EditorPalettes();

    // The cell the editor makes of a chip id: layers 0 and 1 look in the small palette,
    // layer 2 in the large one with the position doubled (it counts 40 per 80-pixel chip).
    // A chip no palette holds gets (0, 0), the sheet's top-left chip.
    MapCell CellFor(int32_t layer, uint32_t chipId) const;

    // True when the layer's palette has a cell for the chip.
    bool Holds(int32_t layer, uint32_t chipId) const;

    // The map the editor holds after opening the document. False when the model refuses it
    // (out of memory); `map` is then unchanged.
    bool BuildModel(const MapDocument& document, MapModel& map) const;

    const PaletteModel& Small() const { return small; }
    const PaletteModel& Large() const { return large; }

private:
    PaletteModel small{20};      // the constructor arguments the editor passes
    PaletteModel large{0xFF28};
    const PaletteModel& For(int32_t layer) const { return layer == 2 ? large : small; }
};
