#include "core/PaletteModel.h"

#include <cmath>
#include <new>
#include <string>

#include "core/ChipTable.h"
#include "core/Texts.h"

namespace {

// FindChip reports grid positions in steps of 40 in both palettes (a map cell's size),
// not in steps of the palette's own cell size.
constexpr int32_t kFindChipStep = 40;

// A product truncated toward zero, kept inside 32 bits (float-to-int is undefined
// outside the target range).
int32_t TruncateToInt32(float value) {
    if (std::isnan(value)) return 0;
    const double v = std::trunc(static_cast<double>(value));
    if (v <= static_cast<double>(INT32_MIN)) return INT32_MIN;
    if (v >= static_cast<double>(INT32_MAX)) return INT32_MAX;
    return static_cast<int32_t>(v);
}

}  // namespace

PaletteModel::PaletteModel(uint32_t cellArgument)
    : cellSize(CellSizeFromArgument(cellArgument)), active(ActiveFromArgument(cellArgument)) {}

uint32_t PaletteModel::CellsPerSide() const {
    return cellSize == 0 ? 0 : paletteSize / cellSize;
}

bool PaletteModel::SideFits(int32_t sheetSide) const {
    // In 64 bits: 2 * paletteSize must not wrap round to a plausible sheet size.
    return static_cast<int64_t>(sheetSide) == 2 * static_cast<int64_t>(paletteSize);
}

bool PaletteModel::SheetFits(int32_t sheetWidth, int32_t sheetHeight) const {
    return SideFits(sheetWidth) && SideFits(sheetHeight);
}

bool PaletteModel::BuildEntries(const uint32_t* codes, size_t codeCount) {
    entries.reset();
    entryCount = 0;
    gridCells = 0;

    const uint32_t cells = CellsPerSide();
    const uint64_t count = static_cast<uint64_t>(cells) * cells;
    if (count == 0) return true;
    if (count > kMaxEntries) return false;

    std::unique_ptr<ChipEntry[]> built(new (std::nothrow) ChipEntry[static_cast<size_t>(count)]);
    if (!built) return false;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t code = (codes != nullptr && i < codeCount) ? codes[i] : 0;
        ChipEntry entry = DecodeChipCode(code);
        // The sheet shows each chip at twice its palette cell's size.
        entry.srcX = static_cast<uint32_t>(i % cells) * cellSize * 2;
        entry.srcY = static_cast<uint32_t>(i / cells) * cellSize * 2;
        built[i] = entry;
    }
    entries = std::move(built);
    entryCount = static_cast<size_t>(count);
    gridCells = cells;
    return true;
}

ChipPosition PaletteModel::FindChip(int32_t layer, uint32_t chipId) const {
    ChipPosition position;
    const uint32_t layerPattern = static_cast<uint32_t>(layer);
    for (size_t i = 0; i < entryCount; ++i) {
        if (entries[i].chipId == chipId && entries[i].layer == layerPattern) {
            // gridCells <= 1024 (kMaxEntries), so the products stay far inside 32 bits.
            position.x = static_cast<int32_t>(i % gridCells) * kFindChipStep;
            position.y = static_cast<int32_t>(i / gridCells) * kFindChipStep;
            break;
        }
    }
    return position;
}

void PaletteModel::SetHighlight(int32_t x, int32_t y) {
    highlightX = x;
    highlightY = y;
}

const ChipEntry* PaletteModel::EntryAt(int32_t x, int32_t y) const {
    if (entryCount == 0 || cellSize == 0) return nullptr;
    // The grid the entries were built with: the strip beyond it belongs to no cell.
    const int64_t last = static_cast<int64_t>(gridCells) * cellSize - 1;
    if (x < 0 || y < 0 || x > last || y > last) return nullptr;
    const uint32_t column = static_cast<uint32_t>(x) / cellSize;
    const uint32_t row = static_cast<uint32_t>(y) / cellSize;
    return &entries[static_cast<size_t>(row) * gridCells + column];
}

bool PaletteModel::Pick(int32_t x, int32_t y, ChipEntry& picked) {
    const ChipEntry* entry = EntryAt(x, y);
    if (entry == nullptr) return false;
    const uint32_t column = static_cast<uint32_t>(x) / cellSize;
    const uint32_t row = static_cast<uint32_t>(y) / cellSize;
    picked = *entry;
    // column * cellSize <= x, so both fit back into int32_t.
    highlightX = static_cast<int32_t>(column * cellSize);
    highlightY = static_cast<int32_t>(row * cellSize);
    return true;
}

SelectionFrame PaletteModel::FrameCorners(int32_t sheetWidth, int32_t sheetHeight) const {
    SelectionFrame frame;
    if (paletteSize == 0) return frame;
    // Single precision, as the frame has always been scaled (2.0 for both palettes).
    const float scaleX = static_cast<float>(static_cast<double>(sheetWidth) / paletteSize);
    const float scaleY = static_cast<float>(static_cast<double>(sheetHeight) / paletteSize);
    // The far edges in 64 bits: highlight + cellSize must not wrap.
    const int64_t farX = static_cast<int64_t>(highlightX) + cellSize;
    const int64_t farY = static_cast<int64_t>(highlightY) + cellSize;
    frame.x1 = TruncateToInt32(static_cast<float>(highlightX) * scaleX);
    frame.y1 = TruncateToInt32(static_cast<float>(highlightY) * scaleY);
    frame.x2 = TruncateToInt32(static_cast<float>(farX) * scaleX);
    frame.y2 = TruncateToInt32(static_cast<float>(farY) * scaleY);
    return frame;
}

const PaletteModel& EmptyPaletteModel() {
    static const PaletteModel empty(0);
    return empty;
}

std::string ChipTipText(const ChipEntry& entry) {
    const uint64_t code = uint64_t{entry.chipId} + uint64_t{1000} * entry.layer;
    std::string text = std::to_string(code);
    if (entry.layer <= 2) text += std::string(" ") + texts::kLayerNames[entry.layer];
    return text;
}
