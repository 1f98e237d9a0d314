#include "ToolTestSupport.h"

namespace {

using namespace tool_test;

TEST(ReplaceCommand, CountsEachFileWritesOnlyThoseThatChangeAndGoesOnPastTrouble) {
    ScratchFolder folder;
    const std::string a = folder / "a.bin", b = folder / "b.bin", missing = folder / "missing.bin";
    MapDocument doc = EmptyMap(3, 2);
    doc.layer1Ids = {2, 2, 0, 0, 0, 2};
    WriteMap(a, doc);
    std::vector<uint8_t> odd = WriteBinaryMap(EmptyMap(3, 2));
    odd[odd.size() - 10] = 7;  // a reserved byte the editor ignores and its writer would not keep
    WriteBytes(b, odd);
    const ToolRun dry = RunTool({"replace", "--chip", "1002", "--with", "2001", "--dry-run", a, missing, b});
    EXPECT_EQ(dry.status, 2);
    EXPECT_EQ(dry.out, a + ": 3 cells would change\n" + b + ": 0 cells would change\n" +
                           "total: 3 cells would change in 1 of 2 files\n");
    EXPECT_EQ(dry.err, missing + ": refused: cannot read: No such file or directory\n");
    EXPECT_EQ(ReadBytes(a), WriteBinaryMap(doc));
    const ToolRun run = RunTool({"replace", "--chip=1002", "--with=2001", a, missing, b});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(Lines(run.out).back(), "total: 3 cells changed in 1 of 2 files");
    doc.layer1Ids.assign(6, 0), doc.layer2Ids = {1, 0, 0, 0, 0, 1};  // large chips laid without overlap
    EXPECT_EQ(ReadBytes(a), WriteBinaryMap(doc));
    EXPECT_EQ(ReadBytes(b), odd);

    for (const auto& [chip, with, error] : {std::tuple{"1500", "1004", "--chip: chip code 1500 is in neither chip table"},
                                            std::tuple{"1002", "12x", "--with: \"12x\" is not a chip code"}}) {
        const ToolRun refused = RunTool({"replace", "--chip", chip, "--with", with, a});
        EXPECT_EQ(refused.err, std::string("picoran-map replace: ") + error + "\n");
    }
    WriteText(folder / "t.txt", "80 40 0 0 2 2 0 0 0 0");  // text maps are never written over
    EXPECT_EQ(RunTool({"replace", "--chip", "1002", "--with", "1004", folder / "t.txt"}).status, 2);
    EXPECT_EQ(ReadBytes(folder / "t.txt"), Bytes("80 40 0 0 2 2 0 0 0 0"));
}

TEST(StatsCommand, CountsChipsOverTheFilesAndListsTheUnusedOnes) {
    ScratchFolder folder;
    MapDocument one = EmptyMap(3, 1), two = EmptyMap(2, 1);
    one.layer0Ids = {26, 26, 1500}, one.layer1Ids = {2, 0, 0}, one.layer2Ids = {1, 0, 0}, two.layer1Ids = {2, 2};
    WriteMap(folder / "1.bin", one), WriteMap(folder / "2.bin", two);
    const ToolRun run = RunTool({"stats", folder / "1.bin", folder / "2.bin", folder / "none.bin"});
    EXPECT_EQ(run.status, 2);
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_GT(lines.size(), 6u);
    EXPECT_EQ(lines.back(), "unused: 2205");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "unused: 1004"), 1);
    lines.resize(6);
    EXPECT_EQ(lines, (std::vector<std::string>{"26: 2 cells in 1 file",
                                               "layer 0 chip 1500: 1 cell in 1 file (in no chip table)",
                                               "1002: 3 cells in 2 files", "2001: 1 cell in 1 file",
                                               "unused: 1", "unused: 2"}));
}

}  // namespace
