// Checks shared by the fuzz targets: a document a reader accepts must be consistent, and
// writing it and reading it back must give the same map.
#pragma once
#include <algorithm>
#include <cstdlib>

#include "map/core/MapFileReader.h"
#include "map/core/MapFileWriter.h"

inline void FuzzAssert(bool condition) {
    if (!condition) std::abort();
}

inline void CheckRefusal(const MapReadResult& read, size_t size) {
    FuzzAssert(read.error.code != MapReadErrorCode::kNone);
    FuzzAssert(read.error.offset <= size);
    FuzzAssert(!read.error.description.empty() && !read.error.messageSjis.empty());
}

// What the document becomes through the writer: "not specified" is stored as (2400, 2400)
// and the comment ends at its first zero byte.
inline MapDocument AsWritten(MapDocument doc) {
    if (doc.startUnspecified) doc.startX = doc.startY = 2400;
    doc.comment.erase(std::find(doc.comment.begin(), doc.comment.end(), uint8_t{0}),
                      doc.comment.end());
    return doc;
}

inline void CheckAcceptedDocument(const MapDocument& doc) {
    FuzzAssert(MapSizeIsAcceptable(doc.mapWidth, doc.mapHeight));
    const size_t cells = doc.CellCount();
    FuzzAssert(doc.layer2Ids.size() == cells && doc.layer1Ids.size() == cells &&
               doc.layer0Ids.size() == cells);
    FuzzAssert(doc.comment.size() <= 256);

    const std::vector<uint8_t> bytes = WriteBinaryMap(doc);
    FuzzAssert(bytes.size() == 72 + 12 * cells + AsWritten(doc).comment.size());
    const MapReadResult again = ReadBinaryMap(bytes.data(), bytes.size());
    FuzzAssert(again.ok);
    FuzzAssert(again.document == AsWritten(doc));
    FuzzAssert(WriteBinaryMap(again.document) == bytes);
}
