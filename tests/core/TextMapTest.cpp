#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Texts.h"
#include "map/MapFileReader.h"

namespace {

const TextMapDefaults kDefaults{120, 80, 11, 22};  // 3 x 2 cells, start (11, 22)

MapReadResult ReadText(const std::string& text, std::string* echo = nullptr,
                       const TextMapDefaults& defaults = kDefaults) {
    return ReadTextMap(text.data(), text.size(), defaults, echo);
}

TEST(TextMap, TwoByOneExampleEchoesByteForByte) {
    std::string echo;
    const MapReadResult read = ReadText("80 40\n5 6\n0 0\n1 2\n320 240\n", &echo);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(echo, "5 6 \n0 0 \n1 2 ");
    const MapDocument& doc = read.document;
    EXPECT_EQ(doc.layer2Ids, std::vector<uint32_t>({5, 6}));
    EXPECT_EQ(doc.layer1Ids, std::vector<uint32_t>({0, 0}));
    EXPECT_EQ(doc.layer0Ids, std::vector<uint32_t>({1, 2}));
    EXPECT_EQ(doc.startX, 320);
    EXPECT_EQ(doc.startY, 240);
    EXPECT_FALSE(doc.startUnspecified);
    // The fixed comment and stage numbers a text map gets.
    const char* comment = texts::kTextMapComment;
    EXPECT_TRUE(doc.hasComment);
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
    ASSERT_TRUE(ReadText("120\t80 1 2 3 4 5 6\r\n7 8 9 10 11 12 13 14 15 16 17 18", &echo).ok);
    EXPECT_EQ(echo, "1 2 3 \n4 5 6 \n7 8 9 \n10 11 12 \n13 14 15 \n16 17 18 ");
}

TEST(TextMap, MissingNumbersGiveEmptyCellsAndKeepDefaults) {
    std::string echo;
    MapReadResult read = ReadText("80 40 5", &echo);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(echo, "5 0 \n0 0 \n0 0 ");
    EXPECT_EQ(read.document.startX, 11);
    EXPECT_EQ(read.document.startY, 22);

    read = ReadText("", &echo);  // no size: the editor's current one
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.document.mapWidth, 120);
    EXPECT_EQ(read.document.mapHeight, 80);
    EXPECT_EQ(echo, "0 0 0 \n0 0 0 \n0 0 0 \n0 0 0 \n0 0 0 \n0 0 0 ");
}

TEST(TextMap, ReadingStopsForGoodAtTheFirstNonNumber) {
    const char withNul[] = "80 40 5 \0 6 7 8 9 10 11 12";
    const std::string stops[] = {"80 40 5 x 6 7 8 9 10 11 12", "80 40 5 - 6 7 8 9 10 11 12",
                                 "80 40 5 +x6 7 8 9 10 11 12",
                                 std::string(withNul, sizeof withNul - 1)};
    for (const std::string& text : stops) {
        std::string echo;
        const MapReadResult read = ReadText(text, &echo);
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(echo, "5 0 \n0 0 \n0 0 ") << text;
        EXPECT_EQ(read.document.startX, 11);
        EXPECT_EQ(read.document.startY, 22);
    }
    // A width that is not a number leaves every value to the defaults.
    const MapReadResult read = ReadText("w 40 1 2 3");
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.document.mapWidth, 120);
    EXPECT_EQ(read.document.mapHeight, 80);
    EXPECT_EQ(read.document.layer2Ids, std::vector<uint32_t>(6, 0));
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
    // A default start position of 999 (a missing value) counts just the same.
    EXPECT_TRUE(ReadText("40 40 0 0 0", nullptr, {640, 480, 999, 0}).document.startUnspecified);
}

TEST(TextMap, RefusesSizesAndNamesTheLine) {
    struct Case { const char* text; int32_t line; size_t offset; };
    const Case cases[] = {{"0 480", 1, 0},           {"640\n\n  0", 3, 7},
                          {"\n-40 480", 2, 1},        {"40000040 80", 1, 0},
                          {"640 39 1 2 3", 1, 4},     {"640\nx", 2, 4}};
    for (const Case& c : cases) {
        std::string echo = "stale";
        const MapReadResult read = ReadText(c.text, &echo, {640, 0, 0, 0});
        ASSERT_FALSE(read.ok) << c.text;
        EXPECT_EQ(read.error.code, MapReadErrorCode::kBadSize);
        EXPECT_EQ(read.error.line, c.line) << c.text;
        EXPECT_EQ(read.error.offset, c.offset) << c.text;
        EXPECT_EQ(read.error.messageSjis, std::string(texts::kMapSizeInvalid) + "\r\n" +
                                              std::to_string(c.line) + texts::kMapErrorLineSuffix);
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

}  // namespace
