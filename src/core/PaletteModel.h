// The platform-free state of a palette window: its grid of chip entries, its cell size,
// its selection (highlight and active flag) and the rules that read them. PaletteWindow
// keeps one of these beside its dialog window and work surface.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/ChipEntry.h"

// A cell's grid position as FindChip reports it: column * 40, row * 40.
struct ChipPosition {
    int32_t x = 0;
    int32_t y = 0;
};

// Corners of the selection frame in work-surface (sheet) pixels.
struct SelectionFrame {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
};

class PaletteModel {
public:
    // Upper bound on cells * cells. The built-in palettes have 144 and 36 cells; a chip
    // file whose palette size asks for more than this is refused rather than allocated.
    static constexpr size_t kMaxEntries = size_t{1} << 20;

    // packed: cell size in the low 8 bits, active when any of bits 8 to 15 is set.
    explicit PaletteModel(uint32_t cellArgument);

    PaletteModel(const PaletteModel&) = delete;
    PaletteModel& operator=(const PaletteModel&) = delete;

    int32_t highlightX = 0;     // left edge of the selected cell, client pixels
    int32_t highlightY = 0;     // top edge of the selected cell, client pixels
    uint32_t cellSize = 0;      // side of a cell in client pixels (20 or 40)
    bool active = false;        // only the active palette draws its selection frame
    uint32_t paletteSize = 256; // side of the square client area; the chip table sets it

    // paletteSize / cellSize; 0 when cellSize is 0.
    uint32_t CellsPerSide() const;

    // The sheet is shown at half size, so each side must be exactly 2 * paletteSize.
    bool SideFits(int32_t sheetSide) const;
    bool SheetFits(int32_t sheetWidth, int32_t sheetHeight) const;

    // Replaces the entries with CellsPerSide()^2 cells decoded from codes; codes beyond
    // codeCount count as 0 (chip 0 of layer 0). Earlier entries are freed first. False,
    // leaving no entries, when the grid is larger than kMaxEntries or memory runs out.
    // A grid of zero cells succeeds with no entries.
    bool BuildEntries(const uint32_t* codes, size_t codeCount);

    size_t EntryCount() const { return entryCount; }
    const ChipEntry* Entries() const { return entries.get(); }

    // Position of the first cell holding chipId of layer (compared as 32-bit patterns);
    // (0, 0) when none does or there are no entries.
    ChipPosition FindChip(int32_t layer, uint32_t chipId) const;

    void SetHighlight(int32_t x, int32_t y);

    // Selects the cell under client point (x, y): copies its entry into picked and moves
    // the highlight onto it. False, changing nothing, outside the grid or without entries.
    bool Pick(int32_t x, int32_t y, ChipEntry& picked);
    // The entry of the cell under client point (x, y), changing nothing; null outside the grid
    // or without entries.
    const ChipEntry* EntryAt(int32_t x, int32_t y) const;

    // The frame around the highlighted cell on a sheet of the given size, scaled from
    // client to sheet pixels by sheet / paletteSize. All zero when paletteSize is 0.
    SelectionFrame FrameCorners(int32_t sheetWidth, int32_t sheetHeight) const;

private:
    std::unique_ptr<ChipEntry[]> entries;  // gridCells * gridCells, in cell index order
    size_t entryCount = 0;
    uint32_t gridCells = 0;  // cells per side when the entries were built
};

// What a palette's tooltip says of a chip: its code (the chip id plus 1000 times its layer, as
// the chip tables name it) and its layer, as in "1005 レイヤー1". Shift_JIS bytes.
std::string ChipTipText(const ChipEntry& entry);

// A palette with no entries, for a palette that does not exist: it finds no chip, so its cells
// take the sheet's top-left chip.
const PaletteModel& EmptyPaletteModel();
