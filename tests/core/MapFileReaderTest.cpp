#include <gtest/gtest.h>

#include <string>

#include "MapFileTestSupport.h"
#include "core/Texts.h"
#include "map/core/MapFileReader.h"
#include "map/core/MapFileWriter.h"
#include "map/core/MapModel.h"

namespace {

// Whatever a file may carry, the model must be able to hold it.

MapReadResult Read(const std::vector<uint8_t>& bytes) {
    return ReadBinaryMap(bytes.data(), bytes.size());
}

// 2 x 1 cells: layers at 12, 20, 28; start 36; stage numbers 44; reserved 60; length 92.
std::vector<uint8_t> TwoCellFile(const std::vector<uint8_t>& comment = {'h', 'e', 'l', 'l', 'o'}) {
    MapDocument doc = FilledMap(2, 1);
    doc.comment = comment;
    return WriteBinaryMap(doc);
}

TEST(MapFileReader, NotSpecifiedStartSurvivesARoundTrip) {
    const MapReadResult read = Read(WriteBinaryMap(MapDocument{}));
    ASSERT_TRUE(read.ok);
    EXPECT_TRUE(read.document.startUnspecified);
    EXPECT_EQ(read.document.startX, 2400);
    EXPECT_EQ(read.document.startY, 2400);
}

TEST(MapFileReader, StartIsUnspecifiedAt999OrAtBoth2400) {
    struct Case { int32_t x, y; bool unspecified; };
    const Case cases[] = {{999, 5, true}, {5, 999, true}, {999, 999, true}, {2400, 2400, true},
                          {2400, 5, false}, {5, 2400, false}, {998, 1000, false}};
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = TwoCellFile();
        PutI32(bytes, 36, c.x);
        PutI32(bytes, 40, c.y);
        const MapReadResult read = Read(bytes);
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.document.startUnspecified, c.unspecified) << c.x << "," << c.y;
        EXPECT_EQ(read.document.startX, c.x);  // the file's values are kept either way
        EXPECT_EQ(read.document.startY, c.y);
    }
}

TEST(MapFileReader, Reads256ByteCommentWhole) {
    std::vector<uint8_t> comment(256);
    for (size_t i = 0; i < comment.size(); ++i) comment[i] = static_cast<uint8_t>(0x80 + i % 64);
    const MapReadResult read = Read(TwoCellFile(comment));
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.document.comment, comment);
}

TEST(MapFileReader, RefusesACommentLengthAbove256) {
    for (int32_t length : {257, 0x7FFFFFFF}) {
        std::vector<uint8_t> bytes = TwoCellFile({});
        PutI32(bytes, 92, length);
        bytes.resize(bytes.size() + 300, 'x');  // bytes enough, so only the length is at fault
        const MapReadResult read = Read(bytes);
        ASSERT_FALSE(read.ok) << length;
        EXPECT_EQ(read.error.code, MapReadErrorCode::kCommentTooLong);
        EXPECT_EQ(read.error.offset, 92u);
        EXPECT_EQ(read.dataFile.commentLength, length);  // a refused file still reports it
        EXPECT_EQ(read.error.messageSjis, std::string(texts::kMapCommentTooLong) + "\r\n" +
                                              texts::kMapErrorOffsetLabel + " 92");
    }
}

TEST(MapFileReader, IgnoresOffsetFieldAndTrailingBytes) {
    std::vector<uint8_t> bytes = TwoCellFile();
    PutI32(bytes, 0, -12345);
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    const MapReadResult read = Read(bytes);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.document.comment, std::vector<uint8_t>({'h', 'e', 'l', 'l', 'o'}));
}

TEST(MapFileReader, KeepsWidthThatIsNotAMultipleOf40) {
    std::vector<uint8_t> bytes = TwoCellFile();
    PutI32(bytes, 4, 119);  // still 2 columns
    PutI32(bytes, 8, 79);
    const MapReadResult read = Read(bytes);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.document.mapWidth, 119);
    EXPECT_EQ(read.document.CellCount(), 2u);
}

TEST(MapFileReader, RefusesTruncationWithTheFieldOffset) {
    const std::vector<uint8_t> full = TwoCellFile();  // 101 bytes, comment at 96
    ASSERT_EQ(full.size(), 101u);
    struct Case { size_t size, offset; const char* field; };
    const Case cases[] = {
        {0, 0, "offset field"}, {3, 0, "offset field"}, {6, 4, "width"}, {11, 8, "height"},
        {12, 12, "layer 2 chip id of cell 0"}, {18, 16, "layer 2 chip id of cell 1"},
        {20, 20, "layer 1"}, {31, 28, "layer 0"}, {36, 36, "start x"}, {43, 40, "start y"},
        {44, 44, "target time"}, {50, 48, "time limit"}, {52, 52, "background"},
        {59, 56, "music"}, {62, 60, "reserved"}, {91, 60, "reserved"}, {92, 92, "comment length"},
        {95, 92, "comment length"}, {96, 96, "comment of 5"}, {100, 96, "comment of 5"}};
    for (const Case& c : cases) {
        const MapReadResult read = ReadBinaryMap(full.data(), c.size);
        ASSERT_FALSE(read.ok) << c.size;
        EXPECT_EQ(read.error.code, MapReadErrorCode::kTruncated) << c.size;
        EXPECT_EQ(read.error.offset, c.offset) << c.size;
        EXPECT_NE(read.error.description.find(c.field), std::string::npos)
            << c.size << ": " << read.error.description;
    }
}

TEST(MapFileReader, RefusesSizesWithoutCellsOrWithTooMany) {
    struct Case { int32_t width, height; size_t offset; };
    const Case cases[] = {{0, 480, 4}, {39, 480, 4}, {-40, 480, 4}, {640, 0, 8}, {640, -480, 8},
                          {640, 39, 8}, {40 * 1001, 40 * 1000, 4}, {40'000'040, 40, 4},
                          {INT32_MAX, INT32_MAX, 4}, {INT32_MIN, INT32_MIN, 4}};
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = TwoCellFile();
        PutI32(bytes, 4, c.width);
        PutI32(bytes, 8, c.height);
        const MapReadResult read = Read(bytes);
        ASSERT_FALSE(read.ok) << c.width << " x " << c.height;
        EXPECT_EQ(read.error.code, MapReadErrorCode::kBadSize);
        EXPECT_EQ(read.error.offset, c.offset) << c.width << " x " << c.height;
    }
}

TEST(MapFileReader, AcceptsAMapOfExactlyTheCellLimit) {
    MapDocument doc;
    doc.mapWidth = 40 * 1000;
    doc.mapHeight = 40 * 1000 + 39;
    doc.layer2Ids.assign(kMaxMapCells, 0);
    doc.layer1Ids.assign(kMaxMapCells, 1);
    doc.layer0Ids.assign(kMaxMapCells, 2);
    const MapReadResult read = Read(WriteBinaryMap(doc));
    ASSERT_TRUE(read.ok) << read.error.description;
    EXPECT_EQ(read.document.layer0Ids.size(), kMaxMapCells);
}

TEST(MapFileReader, RefusesNegativeCommentLengthAndSaysWhereInJapanese) {
    std::vector<uint8_t> bytes = TwoCellFile();
    PutI32(bytes, 92, -1);
    const MapReadResult read = Read(bytes);
    ASSERT_FALSE(read.ok);
    EXPECT_EQ(read.error.code, MapReadErrorCode::kNegativeCommentLength);
    EXPECT_EQ(read.error.offset, 92u);
    EXPECT_EQ(read.error.messageSjis, std::string(texts::kMapCommentLengthNegative) + "\r\n" +
                                          texts::kMapErrorOffsetLabel + " 92");
}

// Every prefix sits in a buffer of exactly its length, so that AddressSanitizer reports any
// read past the end.
TEST(MapFileReader, EveryTruncationIsReadWholeOrRefusedNeverOverread) {
    const std::vector<uint8_t> full = WriteBinaryMap(FilledMap(3, 2));
    for (size_t size = 0; size <= full.size(); ++size) {
        const std::vector<uint8_t> prefix(full.begin(), full.begin() + size);
        const MapReadResult read = ReadBinaryMap(prefix.empty() ? nullptr : prefix.data(), size);
        if (size == full.size()) {
            ASSERT_TRUE(read.ok);
            EXPECT_EQ(read.document, FilledMap(3, 2));
        } else {
            ASSERT_FALSE(read.ok) << size;
            EXPECT_EQ(read.error.code, MapReadErrorCode::kTruncated);
            EXPECT_LE(read.error.offset, size);
            EXPECT_EQ(read.error.messageSjis.rfind(texts::kMapFileTruncated, 0), 0u);
        }
    }
}

}  // namespace
