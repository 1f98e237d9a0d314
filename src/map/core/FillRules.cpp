#include "map/core/FillRules.h"

#include "map/core/ChipPainting.h"
#include "map/core/FloodFill.h"

namespace {

// The writes of the chip on cells first to last of one row; large chips only on the columns
// of the stride, and on none in a row off it.
void PaintSpan(const MapModel& map, const ChipEntry& chip, PaintKind kind, CellPoint origin,
               const CellSpan& span, CellWrites& writes) {
    const size_t rowStart = size_t{span.row} * map.CellCounts().cellsX;
    uint32_t first = span.first;
    uint32_t step = 1;
    if (kind == PaintKind::kLarge) {
        if (!OnLargeChipStride(span.row, origin.row)) return;
        if (!OnLargeChipStride(first, origin.column)) ++first;
        step = 2;
    }
    const MapCell cell = CellOf(chip);
    const int layer = static_cast<int>(chip.layer);
    for (uint32_t column = first; column <= span.last; column += step) {
        const auto index = static_cast<uint32_t>(rowStart + column);
        if (kind == PaintKind::kEraser) {
            AppendErase(map, index, writes);
        } else {
            AppendIfChanged(map, index, layer, cell, writes);
        }
    }
}

CellWrites PaintSpans(const MapModel& map, const ChipEntry& chip, CellPoint origin,
                      const std::vector<CellSpan>& spans) {
    const PaintKind kind = PaintKindOf(chip);
    CellWrites writes;
    if (kind == PaintKind::kNothing) return writes;
    // One allocation for a whole area of new chips: a fill may cover a million cells.
    size_t cells = 0;
    for (const CellSpan& span : spans) cells += size_t{span.last} - span.first + 1;
    // Large chips take every second cell of every second row.
    writes.reserve(kind == PaintKind::kLarge ? cells / 4 + spans.size() : cells);
    for (const CellSpan& span : spans) PaintSpan(map, chip, kind, origin, span, writes);
    // An area that already held much of the chip gives few writes; the stage keeps them.
    if (writes.capacity() > 2 * writes.size()) writes.shrink_to_fit();
    return writes;
}

}  // namespace

CellWrites RectangleFillWrites(const MapModel& map, const ChipEntry& chip, CellPoint start,
                               CellPoint end) {
    if (!map.HasLayers()) return {};
    const CellRect area = ClipToMap(RectBetween(start, end), map.CellCounts());
    if (area.Empty()) return {};
    std::vector<CellSpan> spans;
    for (int32_t row = area.top; row <= area.bottom; ++row) {
        spans.push_back(CellSpan{static_cast<uint32_t>(row), static_cast<uint32_t>(area.left),
                                 static_cast<uint32_t>(area.right)});
    }
    return PaintSpans(map, chip, start, spans);
}

CellWrites BucketFillWrites(const MapModel& map, const ChipEntry& chip, CellPoint clicked) {
    const PaintKind kind = PaintKindOf(chip);
    if (kind == PaintKind::kNothing) return {};
    const RegionLayers layers =
        kind == PaintKind::kEraser ? RegionLayers::kAllThree : static_cast<RegionLayers>(chip.layer);
    return PaintSpans(map, chip, clicked, FillRegion(map, clicked, layers));
}
