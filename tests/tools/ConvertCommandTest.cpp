#include "ToolTestSupport.h"
#include "map/core/MapFileReader.h"

namespace {

using namespace tool_test;

// The bytes the editor saves after a fresh start, opening the text map and saving: the
// reader's document with a fresh editor's values standing in, through the editor's writer.
std::vector<uint8_t> EditorSaves(const std::string& text) {
    const MapReadResult read = ReadTextMap(text.data(), text.size(), nullptr);
    EXPECT_TRUE(read.ok);
    return WriteBinaryMap(read.document);
}

class ConvertTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::string in = folder / "map.txt";
    std::string out = folder / "map.bin";
};

TEST_F(ConvertTest, TwoByOneExampleGivesTheEditorsBytes) {
    const std::string text = "80 40 5 6 0 0 1 2 0 0";
    WriteText(in, text);
    const ToolRun run = RunTool({"convert", in, out});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<uint8_t> bytes = ReadBytes(out);
    EXPECT_EQ(bytes, EditorSaves(text));
    // Start (0, 0) is a position, not "not specified": it is stored as it is.
    const MapReadResult back = ReadBinaryMap(bytes.data(), bytes.size());
    ASSERT_TRUE(back.ok);
    EXPECT_FALSE(back.document.startUnspecified);
    EXPECT_EQ(back.document.startX, 0);
    EXPECT_EQ(back.document.startY, 0);
    EXPECT_EQ(back.document.layer2Ids, (std::vector<uint32_t>{5, 6}));
    EXPECT_EQ(back.document.layer0Ids, (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(back.document.timeLimit, 300);
    EXPECT_EQ(std::string(back.document.comment.begin(), back.document.comment.end()),
              "\x83\x7c\x83\x8d\x83\x6a\x83\x4a\x82\xcd\x82\xa9\x82\xed\x82\xa2\x82\xa2");  // ポロニカはかわいい
    EXPECT_EQ(bytes.size(), 72u + 12 * 2 + 18);
}

TEST_F(ConvertTest, FullViewTextMapGivesTheEditorsBytes) {
    std::string text = "640 480\n";
    for (int layer = 0; layer < 3; ++layer) {
        for (int i = 0; i < 16 * 12; ++i) text += std::to_string((i * 7 + layer) % 4 == 0 ? 100 : i % 9) + " ";
        text += "\n";
    }
    text += "999 40\n";  // 999: not specified; stored as 2400, 2400
    WriteText(in, text);
    ASSERT_EQ(RunTool({"convert", in, out}).status, 0);
    const std::vector<uint8_t> bytes = ReadBytes(out);
    EXPECT_EQ(bytes, EditorSaves(text));
    ASSERT_EQ(bytes.size(), 72u + 12 * 192 + 18);
    EXPECT_EQ(bytes[2316], 0x60);  // 2400 = 0x960, little-endian
    EXPECT_EQ(bytes[2317], 0x09);
}

TEST_F(ConvertTest, RefusalsLeaveTheOutputAsItWas) {
    WriteBytes(out, {9, 9, 9});
    for (const char* refused : {"0 480", "80 40 5 6 0 0 1 2 0"}) {
        WriteText(in, refused);
        EXPECT_EQ(RunTool({"convert", in, out}).status, 2) << refused;
        EXPECT_EQ(ReadBytes(out), (std::vector<uint8_t>{9, 9, 9}));
    }
    // A .txt output would be read back as a text map; the names are probably swapped.
    WriteText(in, "80 40");
    const ToolRun swapped = RunTool({"convert", out, in});
    EXPECT_EQ(swapped.status, 2);
    EXPECT_EQ(ReadBytes(in), (std::vector<uint8_t>{'8', '0', ' ', '4', '0'}));
    EXPECT_EQ(RunTool({"convert", in, folder / "no-such-folder/map.bin"}).status, 2);
}

}  // namespace
