#include "ToolTestSupport.h"

namespace {

using namespace tool_test;

// A 20 x 14 map with chips in every layer, a comment and stage values.
MapDocument BusyMap() {
    MapDocument doc = EmptyMap(20, 14);
    for (size_t i = 0; i < doc.CellCount(); ++i) {
        doc.layer2Ids[i] = i % 7 == 0 ? 1 + i % 5 : 0;
        doc.layer1Ids[i] = i % 3 == 0 ? 2 : 0;
        doc.layer0Ids[i] = static_cast<uint32_t>(i % 11);
    }
    doc.startX = 120;
    doc.startY = 80;
    doc.targetTime = 30;
    doc.comment = {0x83, 0x52, 0x83, 0x81, 0x83, 0x93, 0x83, 0x67};  // コメント
    return doc;
}

class DiffDumpTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::string a = folder / "a.bin";
    std::string b = folder / "b.bin";
};

TEST_F(DiffDumpTest, MapAgainstItselfOrAnIdenticalCopyIsEqual) {
    WriteMap(a, BusyMap());
    WriteMap(b, BusyMap());
    for (const std::string& other : {a, b}) {
        const ToolRun run = RunTool({"diff", a, other});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(DiffDumpTest, OneChangedCellIsNamedAndNothingElse) {
    MapDocument doc = BusyMap();
    WriteMap(a, doc);
    const size_t column = 17, row = 9;
    doc.layer1Ids[row * 20 + column] = 1032;
    WriteMap(b, doc);
    const ToolRun run = RunTool({"diff", a, b});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "layer 1: column 17, row 9: 0 -> 1032\n");
}

TEST_F(DiffDumpTest, ValuesAndSizeChangesAreListed) {
    MapDocument before = BusyMap();
    MapDocument after = EmptyMap(21, 13);  // one column more, one row less
    after.layer2Ids[20] = 5;               // a chip in the new column
    for (uint32_t r = 0; r < 13; ++r)
        for (uint32_t c = 0; c < 20; ++c) {
            after.layer2Ids[r * 21 + c] = before.layer2Ids[r * 20 + c];
            after.layer1Ids[r * 21 + c] = before.layer1Ids[r * 20 + c];
            after.layer0Ids[r * 21 + c] = before.layer0Ids[r * 20 + c];
        }
    after.startUnspecified = true;
    after.timeLimit = 200;
    after.comment = {'x'};
    WriteMap(a, before);
    WriteMap(b, after);
    const ToolRun run = RunTool({"diff", a, b});
    EXPECT_EQ(run.status, 1);
    std::vector<std::string> expected = {
        "size: 800 x 560 pixels, 20 x 14 cells -> 840 x 520 pixels, 21 x 13 cells",
        "start position: 120, 80 -> not specified (2400, 2400)",
        "target time: 30 -> 10",
        "time limit: 300 -> 200",
        "comment: \"\xE3\x82\xB3\xE3\x83\xA1\xE3\x83\xB3\xE3\x83\x88\" -> \"x\""};
    // Layer by layer, row by row: the chip in the new column, then the non-empty cells of
    // row 13, which only the map before has, against "none".
    for (int layer = 2; layer >= 0; --layer) {
        if (layer == 2) expected.push_back("layer 2: column 20, row 0: none -> 5");
        const std::vector<uint32_t>& ids =
            layer == 2 ? before.layer2Ids : layer == 1 ? before.layer1Ids : before.layer0Ids;
        for (uint32_t c = 0; c < 20; ++c) {
            if (ids[13 * 20 + c] == 0) continue;
            expected.push_back("layer " + std::to_string(layer) + ": column " + std::to_string(c) +
                               ", row 13: " + std::to_string(ids[13 * 20 + c]) + " -> none");
        }
    }
    const std::vector<std::string> lines = Lines(run.out);
    EXPECT_EQ(lines, expected);
}

TEST_F(DiffDumpTest, UnreadableOrRefusedMapsExitWithTwo) {
    WriteMap(a, BusyMap());
    WriteBytes(b, {1, 2, 3});
    EXPECT_EQ(RunTool({"diff", a, b}).status, 2);
    EXPECT_EQ(RunTool({"diff", a, folder / "missing.bin"}).status, 2);
    EXPECT_EQ(RunTool({"diff", a}).status, 2);
    EXPECT_EQ(RunTool({"dump", b}).status, 2);
}

TEST_F(DiffDumpTest, DumpIsStableAndOneCellChangesOneLine) {
    MapDocument doc = BusyMap();
    WriteMap(a, doc);
    WriteMap(b, doc);
    const ToolRun first = RunTool({"dump", a});
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(RunTool({"dump", b}).out, first.out);

    doc.layer2Ids[3 * 20 + 4] = 2201;
    WriteMap(b, doc);
    const std::vector<std::string> before = Lines(first.out);
    const std::vector<std::string> after = Lines(RunTool({"dump", b}).out);
    ASSERT_EQ(before.size(), after.size());
    std::vector<std::string> changed;
    for (size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i]) changed.push_back(after[i]);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].rfind("layer 2 row 3: ", 0), 0u) << changed[0];
    // 14 rows per layer, each with 20 ids, after the header lines.
    EXPECT_EQ(before.size(), 11u + 3 * 14);
}

TEST_F(DiffDumpTest, DumpShowsEverythingTheFileHolds) {
    MapDocument doc = EmptyMap(2, 1);
    doc.layer2Ids = {1, 0};
    doc.layer0Ids = {100, 3};
    doc.comment = {'a', '"', '\r', '\n', 0x82, 0xA0};  // a, quote, CR LF, あ
    std::vector<uint8_t> bytes = WriteBinaryMap(doc);
    bytes[36 + 24 + 5] = 0x7F;  // a stray byte in the reserved block
    bytes.push_back(0);
    WriteBytes(a, bytes);
    const ToolRun run = RunTool({"dump", a});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "format: map data file\n"
              "size: 80 x 40 pixels, 2 x 1 cells\n"
              "start position: 320, 240\n"
              "target time: 10\n"
              "time limit: 300\n"
              "background image number: 0\n"
              "music number: 0\n"
              "comment: \"a\\\"\\r\\n\xE3\x81\x82\"\n"
              "offset field: 92\n"
              "reserved block: count 1, then 00 7F 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
              "00 00 00 00 00 00 00 00 00 00\n"
              "bytes after the comment: 1\n"
              "layer 2 row 0: 1 0\n"
              "layer 1 row 0: 0 0\n"
              "layer 0 row 0: 100 3\n");
}

TEST_F(DiffDumpTest, TextMapsDiffAgainstTheirConversion) {
    const std::string text = folder / "map.txt";
    WriteText(text, "80 40\n5 6\n0 0\n1 2\n0 0\n");
    ASSERT_EQ(RunTool({"convert", text, a}).status, 0);
    const ToolRun run = RunTool({"diff", text, a});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(RunTool({"dump", text}).out.find("format: text map file\n"), std::string::npos);
}

}  // namespace
