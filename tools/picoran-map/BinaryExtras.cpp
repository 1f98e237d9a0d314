#include "BinaryExtras.h"

#include <algorithm>
#include <cstring>

#include "map/core/MapFileLayout.h"

namespace {

uint32_t U32At(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 |
           uint32_t{b[at + 3]} << 24;
}

int32_t I32At(const std::vector<uint8_t>& b, size_t at) {
    const uint32_t u = U32At(b, at);
    int32_t v;
    std::memcpy(&v, &u, sizeof v);  // two's complement bit pattern, as stored
    return v;
}

}  // namespace

bool ReadBinaryExtras(const std::vector<uint8_t>& bytes, const MapDocument& document,
                      BinaryExtras& extras) {
    const size_t lengthAt = mapfile::CommentLengthOffset(document.CellCount());
    const size_t reservedAt = lengthAt - mapfile::kReservedBytes;
    if (bytes.size() < lengthAt + 4) return false;
    extras.offsetField = I32At(bytes, 0);
    extras.reservedCount = U32At(bytes, reservedAt);
    std::copy(bytes.begin() + reservedAt + 4, bytes.begin() + lengthAt, extras.reservedRest.begin());
    extras.commentLength = I32At(bytes, lengthAt);
    size_t end = lengthAt + 4;
    if (extras.commentLength >= 0 && extras.commentLength <= mapfile::kMaxCommentBytes)
        end += static_cast<size_t>(extras.commentLength);
    if (bytes.size() < end) return false;
    extras.bytesAfter = bytes.size() - end;
    return true;
}

uint32_t CountedChipCells(const MapDocument& document) {
    return static_cast<uint32_t>(std::count(document.layer0Ids.begin(), document.layer0Ids.end(),
                                            mapfile::kCountedChipId));
}

int64_t ExpectedOffsetField(const MapDocument& document) {
    return static_cast<int64_t>(mapfile::CommentLengthOffset(document.CellCount()));
}

BinaryExtras ExtrasOf(const LoadedMap& map) {
    BinaryExtras extras;
    if (map.ok && !map.isText && !ReadBinaryExtras(map.bytes, map.read.document, extras))
        extras = BinaryExtras{};
    return extras;
}
