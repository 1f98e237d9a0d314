#include <gtest/gtest.h>

#include "MapFileTestSupport.h"
#include "map/core/MapFileReader.h"
#include "map/core/MapFileWriter.h"

namespace {

// A new map as the editor starts: 16 x 12 empty cells, the box "not specified" checked,
// stage numbers 10, 300, 0, 0, an empty comment.
TEST(MapFileWriter, NewMapIsTheKnown2376ByteFile) {
    const std::vector<uint8_t> bytes = WriteBinaryMap(MapDocument{});
    ASSERT_EQ(bytes.size(), 2376u);
    EXPECT_EQ(I32At(bytes, 0), 2372);
    EXPECT_EQ(I32At(bytes, 4), 640);
    EXPECT_EQ(I32At(bytes, 8), 480);
    for (size_t at = 12; at < 2316; ++at) ASSERT_EQ(bytes[at], 0) << at;
    EXPECT_EQ(I32At(bytes, 2316), 2400);
    EXPECT_EQ(I32At(bytes, 2320), 2400);
    EXPECT_EQ(I32At(bytes, 2324), 10);
    EXPECT_EQ(I32At(bytes, 2328), 300);
    EXPECT_EQ(I32At(bytes, 2332), 0);
    EXPECT_EQ(I32At(bytes, 2336), 0);
    for (size_t at = 2340; at < 2372; ++at) ASSERT_EQ(bytes[at], 0) << at;
    EXPECT_EQ(I32At(bytes, 2372), 0);
}

// Every byte of a 2 x 1 map, so that field order and byte order are both pinned down.
TEST(MapFileWriter, WritesFieldsInOrderLittleEndian) {
    MapDocument doc;
    doc.mapWidth = 80;
    doc.mapHeight = 40;
    doc.layer2Ids = {0x01020304u, 6};
    doc.layer1Ids = {7, 0xFFFFFFFFu};
    doc.layer0Ids = {100, 2};
    doc.startUnspecified = false;
    doc.startX = 100;
    doc.startY = -2;
    doc.targetTime = 1;
    doc.timeLimit = 2;
    doc.backgroundImage = 3;
    doc.music = 4;
    doc.comment = {'a', 'b'};
    const std::vector<uint8_t> expected = {
        92, 0, 0, 0,  80, 0, 0, 0,  40, 0, 0, 0,                   // offset field, size
        4, 3, 2, 1,   6, 0, 0, 0,                                  // layer 2
        7, 0, 0, 0,   0xFF, 0xFF, 0xFF, 0xFF,                      // layer 1
        100, 0, 0, 0, 2, 0, 0, 0,                                  // layer 0
        100, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF,                      // start
        1, 0, 0, 0,   2, 0, 0, 0,   3, 0, 0, 0,   4, 0, 0, 0,      // stage numbers
        1, 0, 0, 0,   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                        // reserved block
        2, 0, 0, 0,   'a', 'b'};                                   // comment
    EXPECT_EQ(WriteBinaryMap(doc), expected);
}

TEST(MapFileWriter, ReservedBlockCountsLayer0Chip100Only) {
    MapDocument doc;
    doc.layer0Ids[0] = doc.layer0Ids[50] = doc.layer0Ids[191] = 100;
    doc.layer1Ids[3] = 100;
    doc.layer2Ids[4] = 100;
    doc.layer0Ids[5] = 101;
    EXPECT_EQ(I32At(WriteBinaryMap(doc), 12 * 192 + 36), 3);
}

TEST(MapFileWriter, CommentIsItsBytesBeforeTheFirstZeroAtMost256) {
    MapDocument doc;
    doc.comment.assign(256, 0x82);
    std::vector<uint8_t> bytes = WriteBinaryMap(doc);
    ASSERT_EQ(bytes.size(), 2376u + 256u);  // no terminator
    EXPECT_EQ(I32At(bytes, 2372), 256);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 2376, bytes.end()), doc.comment);

    doc.comment.assign(300, 'x');
    EXPECT_EQ(I32At(WriteBinaryMap(doc), 2372), 256);

    doc.comment = {'a', 'b', 0, 'c'};
    bytes = WriteBinaryMap(doc);
    EXPECT_EQ(I32At(bytes, 2372), 2);
    EXPECT_EQ(bytes.size(), 2378u);
}

TEST(MapFileWriter, KeepsOddWidthAndNeverReadsPastShortLayers) {
    MapDocument doc;
    doc.mapWidth = 650;  // still 16 columns
    doc.layer2Ids = {9};
    doc.layer1Ids.clear();
    const std::vector<uint8_t> bytes = WriteBinaryMap(doc);
    ASSERT_EQ(bytes.size(), 2376u);
    EXPECT_EQ(I32At(bytes, 4), 650);
    EXPECT_EQ(I32At(bytes, 12), 9);
    EXPECT_EQ(I32At(bytes, 16), 0);
}

TEST(MapFileWriter, RefusesSizesNoReaderAccepts) {
    MapDocument doc;
    doc.mapWidth = 39;
    EXPECT_TRUE(WriteBinaryMap(doc).empty());
    doc.mapWidth = 40 * 1001;
    doc.mapHeight = 40 * 1000;
    EXPECT_TRUE(WriteBinaryMap(doc).empty());
}

TEST(MapFileWriter, WriteReadWriteGivesIdenticalBytes) {
    const MapDocument maps[] = {FilledMap(1, 1, 3), FilledMap(16, 12, 4), FilledMap(17, 5, 5),
                                FilledMap(60, 60, 6)};
    for (MapDocument doc : maps) {
        doc.mapWidth += 13;  // a remainder is kept through the round trip
        doc.comment.assign(256, 0x81);
        const std::vector<uint8_t> first = WriteBinaryMap(doc);
        const MapReadResult read = ReadBinaryMap(first.data(), first.size());
        ASSERT_TRUE(read.ok) << read.error.description;
        EXPECT_EQ(read.document, doc);
        EXPECT_EQ(WriteBinaryMap(read.document), first);
    }
}

}  // namespace
