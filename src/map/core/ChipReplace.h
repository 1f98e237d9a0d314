// Replacing one chip with another wherever the map holds it: the rule behind the map tool's
// `replace`, which reads the map and returns the writes, as the editing tools' rules do, so
// the stage applies them as one undoable step.
#pragma once
#include <cstddef>

#include "core/ChipEntry.h"
#include "map/core/CellArea.h"
#include "map/core/CellWrite.h"
#include "map/core/LayerVisibility.h"
#include "map/core/MapModel.h"

struct ChipReplacement {
    CellWrites writes;
    size_t cellsChanged = 0;  // cells holding `from` whose layers change; one or two writes each
};

// Every cell of `area` (clipped to the map; every cell by default) whose layer of `from` holds
// `from`'s chip id gets `to`. A cell matches on the chip id alone, as the map file stores it.
//
// - Same layer: the chip is replaced in place; a large chip by a large one keeps its cell, so
//   large chips stay where the designer laid them.
// - Another layer: `from` is emptied and `to` written into its own layer of the same cell,
//   replacing what that layer held there. A large chip becomes a small one in the cell that
//   stored it, not in the three it covered.
// - Small chips into large ones: two neighbouring cells each with a large chip would overlap,
//   so the cells are visited row by row and a cell gets the large chip only when no large chip
//   written by this replacement covers it already (from its left, upper or upper-left
//   neighbour); a covered cell just loses `from`. A rectangle of small chips therefore becomes
//   large chips on every second column and row from its top-left cell, as the rectangle tool
//   lays them, and every cell that showed `from` shows `to`.
// - The eraser (chip id 0, from either palette): `from` is removed from its layer; the cell's
//   other layers keep their chips, which the replacement never named.
//
// `from` with chip id 0 (an empty cell) or either chip of a layer above 2 replaces nothing.
ChipReplacement ReplaceChipWrites(const MapModel& map, const ChipEntry& from, const ChipEntry& to,
                                  const CellRect& area = kEveryCell);

// The replacement as the editor's 置換 makes it: a cell that would take a write into a hidden or
// a locked layer is left wholly as it is, since the designer would not see it change, a chip
// moved into a hidden layer would seem to vanish, and a locked layer takes no writes at all;
// cellsChanged counts the cells that do change.
ChipReplacement ReplaceWritableChipWrites(const MapModel& map, const ChipEntry& from, const ChipEntry& to,
                                       const CellRect& area, const LayerVisibility& layers);

// The two chips of the editor's 置換 as its dialog collects them: the chip in hand (a palette
// click or a pick from the map) fills the active field, and filling 置換前 makes 置換後 the
// active one, so that two picks in a row name both.
struct ReplaceFields {
    ChipEntry chips[2];
    bool chosen[2] = {false, false};
    int active = 0;  // 0: 置換前, 1: 置換後

    void Fill(const ChipEntry& chip) {
        chips[active] = chip;
        chosen[active] = true;
        active = 1;
    }
    bool Ready() const { return chosen[0] && chosen[1]; }
};
