// What a change touched. The stage reports its own edits, the shell's setters report the
// view, the layers shown, the tool, the marks and the file; one refresh then brings every
// display that shows any of it up to date, so no command has to know which displays there are.
#pragma once
#include <cstdint>

using Changes = uint32_t;

enum : Changes {
    kNoChange = 0,
    // ---- The stage, as Save writes it.
    kChangedCells = 1u << 0,     // cells of the map
    kChangedSize = 1u << 1,      // the map's size
    kChangedSettings = 1u << 2,  // the start position and its flag, the stage numbers, the comment
    kChangedHistory = 1u << 3,   // an undo step, or the saved state: the caption's mark, the menu
    // The stage became another state as a whole (opened, made new, undone, redone), or took
    // a value of a merge's theirs: the settings dialogs' boxes show it again.
    kChangedWholeStage = 1u << 4,
    // ---- What the designer sees of it and works with.
    kChangedView = 1u << 5,     // the view's offsets
    kChangedLayers = 1u << 6,   // the layers shown
    kChangedTool = 1u << 7,     // the tool in hand
    kChangedMarks = 1u << 8,    // the selection, a paste, a drag begun or ended
    kChangedOutline = 1u << 9,  // only what a tool draws over the view moved: the view alone
    kChangedFile = 1u << 10,    // the current file: the caption
    kChangedChip = 1u << 11,    // the chip in hand: the pointer's shape
    kChangedClipboard = 1u << 12,  // what 貼り付け can paste
    kChangedPointer = 1u << 13, // the pointer moved over the view, or left it: the overview's caption
    // ---- What a click draws again whether or not anything changed.
    kRedrawView = 1u << 14,      // the view and the overview
    kRedrawPalettes = 1u << 15,  // both palettes, before the view, the small one first
    kPalettesAfterView = 1u << 16,   // ... after the view, as after a right click
    kLargePaletteFirst = 1u << 17,   // ... the large one first, as after a click in it
    // ---- The terrains: the set chosen or in hand, the last stroke's substitutes.
    kChangedTerrain = 1u << 18,
    // ---- The layers panel's note line: chips laid under an upper layer, a start click refused.
    kChangedLayersNote = 1u << 19,
    // The start position was set on the map, not in its dialog: the dialog's boxes show it.
    kChangedStartFromMap = 1u << 20,
    // ---- The conflicts a merge left in the map: one kept or taken, or a file of them read.
    kChangedConflicts = 1u << 22,
};

// Everything the stage holds.
constexpr Changes kChangedStage =
    kChangedCells | kChangedSize | kChangedSettings | kChangedHistory | kChangedWholeStage;
