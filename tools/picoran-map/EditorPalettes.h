// The editor's two palettes, built from the chip tables built into the program, for what the
// editor derives from a chip id when it opens a map: the sheet position it draws, and whether
// any palette holds the chip at all.
#pragma once
#include <cstdint>

#include "core/ChipTable.h"
#include "core/PaletteModel.h"
#include "map/core/MapDocument.h"
#include "map/core/MapModel.h"

class EditorPalettes {
public:
    EditorPalettes();

    // True when the layer's palette has a cell for the chip.
    bool Holds(int32_t layer, uint32_t chipId) const;

    // The map the editor holds after opening the document. False when the model refuses it
    // (out of memory); `map` is then unchanged.
    bool BuildModel(const MapDocument& document, MapModel& map) const;

    const PaletteModel& Small() const { return small; }
    const PaletteModel& Large() const { return large; }

private:
    PaletteModel small{kSmallPaletteArgument};
    PaletteModel large{kLargePaletteArgument};
    const PaletteModel& For(int32_t layer) const { return layer == 2 ? large : small; }
};
