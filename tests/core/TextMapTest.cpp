#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/Texts.h"
#include "map/core/MapFileReader.h"
#include "map/core/MapFileWriter.h"

namespace {

MapReadResult ReadText(const std::string& text, std::string* echo = nullptr) {
    return ReadTextMap(text.data(), text.size(), echo);
}

TEST(TextMap, TwoByOneExampleEchoesByteForByte) {
    std::string echo;
    const MapReadResult read = ReadText("80 40\n5 6\n0 0\n1 2\n320 240\n", &echo);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(echo, "5 6 \n0 0 \n1 2 ");
    EXPECT_EQ(read.textMap.numbersRead, 10u);
    EXPECT_EQ(read.textMap.endOffset, 25u);  // just past start y, on line 5, one byte before the end
    EXPECT_EQ(read.textMap.endLine, 5);
    EXPECT_EQ(read.textMap.bytesAfter, 1u);
    const MapDocument& doc = read.document;
    EXPECT_EQ(doc.layer2Ids, std::vector<uint32_t>({5, 6}));
    EXPECT_EQ(doc.layer1Ids, std::vector<uint32_t>({0, 0}));
    EXPECT_EQ(doc.layer0Ids, std::vector<uint32_t>({1, 2}));
    EXPECT_EQ(doc.startX, 320);
    EXPECT_EQ(doc.startY, 240);
    EXPECT_FALSE(doc.startUnspecified);
    // The fixed comment and stage numbers a text map gets.
    const char* comment = texts::kTextMapComment;
    EXPECT_EQ(doc.comment, std::vector<uint8_t>(comment, comment + std::strlen(comment)));
    EXPECT_EQ(doc.comment.size(), 18u);
    EXPECT_EQ(doc.targetTime, 10);
    EXPECT_EQ(doc.timeLimit, 300);
    EXPECT_EQ(doc.backgroundImage, 0);
    EXPECT_EQ(doc.music, 0);
}

TEST(TextMap, EchoBreaksLinesAtEveryMapRow) {
    std::string echo;
    // Line layout in the file means nothing: all values on one line, tabs and CRLF mixed.
    ASSERT_TRUE(ReadText("120\t80 1 2 3 4 5 6\r\n7 8 9 10 11 12 13 14 15 16 17 18 0 0", &echo).ok);
    EXPECT_EQ(echo, "1 2 3 \n4 5 6 \n7 8 9 \n10 11 12 \n13 14 15 \n16 17 18 ");
}

// Each case leaves the document untouched: the editor keeps the map it has.
TEST(TextMap, RefusesMissingNumbersAndWordsThatAreNotNumbers) {
    const char withNul[] = "80 40 5 \0 6 7 8 9 10 11 12";
    struct Case { std::string text; MapReadErrorCode code; int32_t line; size_t offset; const char* field; size_t numbers; };
    const Case cases[] = {
        {"", MapReadErrorCode::kTruncated, 1, 0, "map width", 0},
        {"hello world", MapReadErrorCode::kNotANumber, 1, 0, "map width", 0},
        {"80 40 5", MapReadErrorCode::kTruncated, 1, 7, "layer 2 chip id of cell 1", 3},
        {"80 40 5 6 0 0 1 2 0\n", MapReadErrorCode::kTruncated, 2, 20, "start y", 9},
        {"80 40 5 x 6 7 8 9 10 11 12", MapReadErrorCode::kNotANumber, 1, 8, "layer 2 chip id of cell 1", 3},
        {"80 40 5 - 6 7 8 9 10 11 12", MapReadErrorCode::kNotANumber, 1, 8, "\"-\"", 3},
        {"80 40 5 6\n0 0\n1 2x 0 0", MapReadErrorCode::kNotANumber, 3, 16, "layer 0 chip id of cell 1", 7},
        {"80 40 5 6 0 0 1 2 0 +", MapReadErrorCode::kNotANumber, 1, 20, "start y", 9},
        {std::string(withNul, sizeof withNul - 1), MapReadErrorCode::kNotANumber, 1, 8, "\\x00", 3},
        {"80\n40x", MapReadErrorCode::kNotANumber, 2, 3, "map height", 1},
    };
    for (const Case& c : cases) {
        std::string echo = "stale";
        const MapReadResult read = ReadText(c.text, &echo);
        ASSERT_FALSE(read.ok) << c.text;
        EXPECT_EQ(read.error.code, c.code) << c.text;
        EXPECT_EQ(read.error.line, c.line) << c.text;
        EXPECT_EQ(read.error.offset, c.offset) << c.text;
        EXPECT_NE(read.error.description.find(c.field), std::string::npos) << read.error.description;
        EXPECT_TRUE(echo.empty());
        EXPECT_EQ(read.document, MapDocument{}) << c.text;
        EXPECT_EQ(read.textMap.numbersRead, c.numbers) << c.text;  // the report stays, the map not
    }
}

// Every cut before the last digit of start y is refused; a cut inside that last number could
// not be told from a shorter number, so the test map ends in a one-digit start y.
TEST(TextMap, EveryTruncationIsRefusedNeverHalfRead) {
    const std::string full = "120 80\n1 2 3\n4 5 6\n\n0 0 7\n8 9 0\n\n11 12 13\n14 15 16\n320 4\n";
    ASSERT_TRUE(ReadText(full).ok);
    const size_t lastDigit = full.size() - 2;
    for (size_t size = 0; size <= lastDigit; ++size) {
        const std::string prefix = full.substr(0, size);
        const std::vector<char> exact(prefix.begin(), prefix.end());  // no byte past the end
        const MapReadResult read = ReadTextMap(exact.data(), exact.size(), nullptr);
        EXPECT_FALSE(read.ok) << size;  // "120 8" is a size without rows, all else ends early
    }
    EXPECT_EQ(ReadText(full.substr(0, lastDigit + 1)).document, ReadText(full).document);
}

TEST(TextMap, AMapDataFileUnderATextMapNameIsNamedAsSuch) {
    const std::vector<uint8_t> bin = WriteBinaryMap(MapDocument{});
    const MapReadResult read = ReadTextMap(reinterpret_cast<const char*>(bin.data()), bin.size(), nullptr);
    ASSERT_FALSE(read.ok);
    EXPECT_NE(read.error.description.find("valid map data file"), std::string::npos);
    const std::string message = read.error.messageSjis;
    EXPECT_EQ(message.substr(message.size() - std::strlen(texts::kTextMapIsMapDataFile)),
              texts::kTextMapIsMapDataFile);
    // Text that is no map at all is not said to be one.
    EXPECT_EQ(ReadText("hello").error.messageSjis.find(texts::kTextMapIsMapDataFile),
              std::string::npos);
}

TEST(TextMap, SignsAndOverlongNumbersWrapTo32Bits) {
    std::string echo;
    const MapReadResult read = ReadText(
        "+80 40 -1 4294967297 -2147483648 99999999999999999999999 0 0 7 -8 -999", &echo);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(echo, "4294967295 1 \n2147483648 4135583743 \n0 0 ");
    EXPECT_EQ(read.document.layer2Ids, std::vector<uint32_t>({0xFFFFFFFFu, 1}));
    EXPECT_EQ(read.document.startX, 7);
    EXPECT_EQ(read.document.startY, -8);

    // 2^32 + 640 wraps to 640: a width is taken as the low 32 bits too.
    EXPECT_EQ(ReadText("4294967936 480").document.mapWidth, 640);
}

TEST(TextMap, StartAt999OrBoth2400IsUnspecified) {
    EXPECT_TRUE(ReadText("40 40 0 0 0 999 5").document.startUnspecified);
    EXPECT_TRUE(ReadText("40 40 0 0 0 5 999").document.startUnspecified);
    EXPECT_TRUE(ReadText("40 40 0 0 0 2400 2400").document.startUnspecified);
    EXPECT_FALSE(ReadText("40 40 0 0 0 2400 5").document.startUnspecified);
}

TEST(TextMap, RefusesSizesAndNamesTheLine) {
    struct Case { const char* text; int32_t line; size_t offset; };
    const Case cases[] = {{"0 480", 1, 0},       {"640\n\n  0", 3, 7},   {"\n-40 480", 2, 1},
                          {"40000040 80", 1, 0}, {"640 39 1 2 3", 1, 4}};
    for (const Case& c : cases) {
        std::string echo = "stale";
        const MapReadResult read = ReadText(c.text, &echo);
        ASSERT_FALSE(read.ok) << c.text;
        EXPECT_EQ(read.error.code, MapReadErrorCode::kBadSize);
        EXPECT_EQ(read.error.line, c.line) << c.text;
        EXPECT_EQ(read.error.offset, c.offset) << c.text;
        EXPECT_EQ(read.error.messageSjis,
                  std::string(texts::kMapSizeInvalid) + "\r\n" + std::to_string(c.line) +
                      texts::kMapErrorLineSuffix + texts::kMapErrorPlaceSeparator +
                      texts::kMapErrorOffsetLabel + " " + std::to_string(c.offset));
        EXPECT_TRUE(echo.empty());
    }
}

TEST(TextMap, PathIsTextOnlyByItsExtension) {
    EXPECT_TRUE(IsTextMapPath("m.txt"));
    EXPECT_TRUE(IsTextMapPath("C:\\maps\\STAGE1.TXT"));
    EXPECT_TRUE(IsTextMapPath("maps/a.TxT"));
    EXPECT_TRUE(IsTextMapPath(".TXT"));
    EXPECT_TRUE(IsTextMapPath("C:\\\x95\x5c.txt"));  // a Shift_JIS trail byte 0x5C in the name
    EXPECT_FALSE(IsTextMapPath("a.txt.bin"));
    EXPECT_FALSE(IsTextMapPath("dir.txt\\m.bin"));
    EXPECT_FALSE(IsTextMapPath("dir.txt/m"));
    EXPECT_FALSE(IsTextMapPath("m.txtx"));
    EXPECT_FALSE(IsTextMapPath("m.tx"));
    EXPECT_FALSE(IsTextMapPath("txt"));
    EXPECT_FALSE(IsTextMapPath(""));
    EXPECT_FALSE(IsTextMapPath(nullptr));
    EXPECT_FALSE(IsTextMapPath("\x83\x7d\x83\x62\x83\x76"));  // the default name, no extension
}

TEST(MapPaths, ProposedMapDataNameAndPathsFromTheStartFolder) {
    EXPECT_EQ(MapDataPathFor("C:\\maps\\old.txt"), "C:\\maps\\old.bin");
    EXPECT_EQ(MapDataPathFor("C:\\maps\\OLD.TXT"), "C:\\maps\\OLD.bin");
    EXPECT_EQ(MapDataPathFor("C:\\a.b\\name"), "C:\\a.b\\name.bin");
    EXPECT_EQ(PathFromFolder("C:\\start", "\x83\x7d\x83\x62\x83\x76"),
              "C:\\start\\\x83\x7d\x83\x62\x83\x76");
    EXPECT_EQ(PathFromFolder("C:\\", "m.bin"), "C:\\m.bin");
    EXPECT_EQ(PathFromFolder("C:\\start", "D:\\m.bin"), "D:\\m.bin");
    EXPECT_EQ(PathFromFolder("C:\\start", "\\\\server\\m.bin"), "\\\\server\\m.bin");
    EXPECT_EQ(PathFromFolder("", "m.bin"), "m.bin");
}

}  // namespace
