// Reader of map data files (.bin): every field is bounds-checked against the bytes given,
// and the document is only handed out when the whole file up to the comment was read.
#include "map/core/MapFileReader.h"

#include <algorithm>

#include "core/LittleEndian.h"
#include "map/core/MapFileLayout.h"

namespace {

// Walks the file; `pos` never passes `size`.
class ByteCursor {
public:
    ByteCursor(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t Offset() const { return pos_; }
    size_t Size() const { return size_; }
    bool Has(size_t bytes) const { return size_ - pos_ >= bytes; }
    uint32_t TakeU32() {
        const uint32_t v = little_endian::Load32(data_ + pos_);
        pos_ += 4;
        return v;
    }
    const uint8_t* Take(size_t bytes) {
        const uint8_t* p = data_ + pos_;
        pos_ += bytes;
        return p;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

MapReadResult Refuse(MapReadError error) {
    MapReadResult result;
    result.error = std::move(error);
    return result;
}

MapReadResult Truncated(size_t fieldOffset, size_t fileSize, const std::string& field) {
    return Refuse(MakeMapReadError(
        MapReadErrorCode::kTruncated, fieldOffset, 0,
        "file of " + std::to_string(fileSize) + " bytes ends inside the " + field +
            " at offset " + std::to_string(fieldOffset)));
}

// Reads one integer field, or says where the file ends.
bool ReadField(ByteCursor& in, const char* field, int32_t& value, MapReadResult& failure) {
    if (!in.Has(4)) {
        failure = Truncated(in.Offset(), in.Size(), field);
        return false;
    }
    value = little_endian::AsInt32(in.TakeU32());
    return true;
}

bool ReadLayer(ByteCursor& in, int layer, size_t cells, std::vector<uint32_t>& ids,
               MapReadResult& failure) {
    if (in.Size() - in.Offset() < 4 * cells) {
        const size_t complete = (in.Size() - in.Offset()) / 4;
        failure = Truncated(in.Offset() + 4 * complete, in.Size(),
                            "layer " + std::to_string(layer) + " chip id of cell " +
                                std::to_string(complete));
        return false;
    }
    ids.resize(cells);
    for (size_t i = 0; i < cells; ++i) ids[i] = in.TakeU32();
    return true;
}

}  // namespace

bool StartIsUnspecified(int32_t startX, int32_t startY) {
    return startX == mapfile::kUnspecifiedMarker || startY == mapfile::kUnspecifiedMarker ||
           (startX == mapfile::kUnspecifiedStart && startY == mapfile::kUnspecifiedStart);
}

MapReadResult ReadBinaryMap(const uint8_t* data, size_t size) {
    ByteCursor in(data, size);
    MapReadResult result;
    MapDocument& doc = result.document;
    MapDataFileReport& report = result.dataFile;
    MapReadResult failure;
    // A refused file comes without a document, but with the fields read up to the fault.
    auto refuse = [&report](MapReadResult refused) {
        refused.dataFile = report;
        return refused;
    };

    if (!ReadField(in, "offset field", report.offsetField, failure) ||
        !ReadField(in, "map width", doc.mapWidth, failure) ||
        !ReadField(in, "map height", doc.mapHeight, failure)) {
        return refuse(failure);
    }
    if (!MapSizeIsAcceptable(doc.mapWidth, doc.mapHeight)) {
        // Name the height only when the width alone is fine and the height gives no row.
        const size_t at = (doc.CellsX() > 0 && doc.CellsY() == 0) ? 8 : 4;
        return refuse(Refuse(MakeMapReadError(
            MapReadErrorCode::kBadSize, at, 0,
            "map size " + std::to_string(doc.mapWidth) + " x " + std::to_string(doc.mapHeight) +
                " gives " + std::to_string(uint64_t{doc.CellsX()} * doc.CellsY()) +
                " cells; 1 to " + std::to_string(kMaxMapCells) + " are accepted")));
    }

    const size_t cells = doc.CellCount();
    if (!ReadLayer(in, 2, cells, doc.layer2Ids, failure) ||
        !ReadLayer(in, 1, cells, doc.layer1Ids, failure) ||
        !ReadLayer(in, 0, cells, doc.layer0Ids, failure)) {
        return refuse(failure);
    }

    int32_t reservedCount = 0;
    if (!ReadField(in, "start x", doc.startX, failure) ||
        !ReadField(in, "start y", doc.startY, failure) ||
        !ReadField(in, "target time", doc.targetTime, failure) ||
        !ReadField(in, "time limit", doc.timeLimit, failure) ||
        !ReadField(in, "background image number", doc.backgroundImage, failure) ||
        !ReadField(in, "music number", doc.music, failure) ||
        !ReadField(in, "reserved block", reservedCount, failure)) {
        return refuse(failure);
    }
    report.reservedCount = static_cast<uint32_t>(reservedCount);  // the bits as stored
    if (!in.Has(report.reservedRest.size())) {
        return refuse(Truncated(in.Offset() - 4, size, "reserved block"));
    }
    static_assert(sizeof(MapDataFileReport::reservedRest) == mapfile::kReservedBytes - 4,
                  "the reserved block is the count and the rest");
    const uint8_t* rest = in.Take(report.reservedRest.size());
    std::copy(rest, rest + report.reservedRest.size(), report.reservedRest.begin());
    doc.startUnspecified = StartIsUnspecified(doc.startX, doc.startY);

    const size_t lengthOffset = in.Offset();
    int32_t& length = report.commentLength;
    if (!ReadField(in, "comment length", length, failure)) return refuse(failure);
    if (length < 0) {
        return refuse(Refuse(MakeMapReadError(
            MapReadErrorCode::kNegativeCommentLength, lengthOffset, 0,
            "comment length " + std::to_string(length) + " at offset " +
                std::to_string(lengthOffset) + " is negative")));
    }
    if (length > mapfile::kMaxCommentBytes) {
        // The editor never writes one; taking the file would keep the previous stage's
        // comment and save it into this stage.
        return refuse(Refuse(MakeMapReadError(
            MapReadErrorCode::kCommentTooLong, lengthOffset, 0,
            "comment length " + std::to_string(length) + " at offset " +
                std::to_string(lengthOffset) + " is above 256")));
    }
    if (!in.Has(static_cast<size_t>(length))) {
        return refuse(
            Truncated(in.Offset(), size, "comment of " + std::to_string(length) + " bytes"));
    }
    const uint8_t* bytes = in.Take(static_cast<size_t>(length));
    doc.comment.assign(bytes, bytes + length);
    report.bytesAfterComment = in.Size() - in.Offset();  // never read: the editor ignores them
    result.ok = true;
    return result;
}
