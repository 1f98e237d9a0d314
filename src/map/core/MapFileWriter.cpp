#include "map/core/MapFileWriter.h"

#include <algorithm>

#include "core/LittleEndian.h"
#include "map/core/MapFileLayout.h"

namespace {

class LittleEndianWriter {
public:
    explicit LittleEndianWriter(size_t capacity) { bytes_.reserve(capacity); }
    void U32(uint32_t v) {
        uint8_t field[4];
        little_endian::Store32(field, v);
        bytes_.insert(bytes_.end(), field, field + 4);
    }
    // Conversion to unsigned is defined modulo 2^32: the two's complement bit pattern.
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void Bytes(const uint8_t* p, size_t n) { bytes_.insert(bytes_.end(), p, p + n); }
    void Zeros(size_t n) { bytes_.insert(bytes_.end(), n, 0); }
    std::vector<uint8_t> Release() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

void WriteLayer(LittleEndianWriter& out, const std::vector<uint32_t>& ids, size_t cells) {
    const size_t present = std::min(ids.size(), cells);
    for (size_t i = 0; i < present; ++i) out.U32(ids[i]);
    for (size_t i = present; i < cells; ++i) out.U32(0);
}

}  // namespace

uint32_t CountedChipCells(const MapDocument& doc) {
    const size_t cells = std::min(doc.layer0Ids.size(), doc.CellCount());
    return static_cast<uint32_t>(std::count(doc.layer0Ids.begin(), doc.layer0Ids.begin() + cells,
                                            mapfile::kCountedChipId));
}

std::vector<uint8_t> WriteBinaryMap(const MapDocument& doc) {
    if (!MapSizeIsAcceptable(doc.mapWidth, doc.mapHeight)) return {};
    const size_t cells = doc.CellCount();

    const size_t scan = std::min<size_t>(doc.comment.size(), mapfile::kMaxCommentBytes);
    const size_t length = static_cast<size_t>(
        std::find(doc.comment.begin(), doc.comment.begin() + scan, uint8_t{0}) -
        doc.comment.begin());

    LittleEndianWriter out(mapfile::kFixedBytes + mapfile::kBytesPerCell * cells + length);
    out.U32(static_cast<uint32_t>(mapfile::CommentLengthOffset(cells)));
    out.I32(doc.mapWidth);
    out.I32(doc.mapHeight);
    WriteLayer(out, doc.layer2Ids, cells);
    WriteLayer(out, doc.layer1Ids, cells);
    WriteLayer(out, doc.layer0Ids, cells);
    out.I32(doc.startUnspecified ? mapfile::kUnspecifiedStart : doc.startX);
    out.I32(doc.startUnspecified ? mapfile::kUnspecifiedStart : doc.startY);
    out.I32(doc.targetTime);
    out.I32(doc.timeLimit);
    out.I32(doc.backgroundImage);
    out.I32(doc.music);
    out.U32(CountedChipCells(doc));
    out.Zeros(mapfile::kReservedBytes - 4);
    out.U32(static_cast<uint32_t>(length));
    out.Bytes(doc.comment.data(), length);
    return out.Release();
}
