// Between a map file's chip ids and the editor's cells. A file stores chip ids only; the
// sheet position each cell is drawn from comes from the palette of its layer.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/PaletteModel.h"
#include "map/core/MapCell.h"
#include "map/core/MapDocument.h"
#include "map/core/MapModel.h"
#include "map/core/Stage.h"
#include "map/core/StageSettings.h"

// The cell the editor makes of a chip id: the position of the first palette cell holding the
// chip, (0, 0) when none does. Layers 0 and 1 look in the small palette; layer 2 in the large
// one, whose positions double, since it counts 40 per 80-pixel chip.
MapCell CellFromChipId(uint32_t chipId, int32_t layer, const PaletteModel& palette);

// Installs the document's size and cells in the map. False, leaving the map as it was, when
// the model refuses the size or memory runs out.
bool InstallDocument(const MapDocument& document, const PaletteModel& smallPalette,
                     const PaletteModel& largePalette, MapModel& map);

// The document's values besides its cells, as the stage keeps them.
StageSettings SettingsOfDocument(const MapDocument& document);

// The document as the stage's new content, with a new history. False, leaving the stage as it
// was, when the size is refused or memory runs out.
bool OpenDocument(const MapDocument& document, const PaletteModel& smallPalette,
                  const PaletteModel& largePalette, Stage& stage);
