#include <filesystem>

#include "MapLoading.h"
#include "ToolTestSupport.h"
#include "map/core/terrain/TerrainSet.h"
#include "map/core/terrain/TerrainLearn.h"

namespace {

using namespace tool_test;

// Chip ids of the small chip table for each combination of corners (1 to 15), in layer 1 and
// in layer 0.
constexpr uint32_t kChips[2][16] = {{0, 2, 4, 6, 161, 8, 9, 141, 142, 202, 204, 206, 14, 13, 32, 38},
                                    {0, 1, 2, 3, 100, 26, 22, 27, 23, 24, 20, 25, 21, 71, 72, 73}};
uint32_t ChipOf(int layer, int corners) { return kChips[layer == 0][corners]; }

// A set with a chip for every combination but those whose bits are set in `lacking`, and a
// file of sets.
std::string SetText(const std::string& name, int layer, int lacking = 0) {
    std::string chips;
    for (int corners = 1; corners < 16; ++corners) {
        if ((lacking >> corners & 1) != 0) continue;
        chips += (chips.empty() ? "{\"chip\": " : ", {\"chip\": ") + std::to_string(ChipOf(layer, corners) + 1000 * layer);
        chips += ", \"corners\": \"" + CornerText(static_cast<uint8_t>(corners)) + "\"}";
    }
    return "{\"name\": \"" + name + "\", \"layer\": " + std::to_string(layer) + ", \"chips\": [" + chips + "]}";
}
std::string FileText(const std::string& sets) { return "{\"terrains\": [" + sets + "]}"; }

TEST(TerrainsCheck, WarnsOfMissingCornersAndRefusesWithThePlace) {
    ScratchFolder folder;
    const std::string path = folder / "terrains.json";
    WriteText(path, FileText(SetText("地面", 1, 1 << 5 | 1 << 10) + ", " + SetText("水", 0)));
    const ToolRun run = RunTool({"terrains", "check", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.out), (std::vector<std::string>{
                                  path + ": warning: 地面: no chip for corners #.#. (drawn with ###. instead)",
                                  path + ": warning: 地面: no chip for corners .#.# (drawn with ##.# instead)",
                                  path + ": ok, 2 sets, 28 chips, 2 combinations of corners without a chip"}));
    WriteText(path, FileText(SetText("地面", 1) + ", " + SetText("地面", 0)));
    EXPECT_EQ(RunTool({"terrains", "check", path}).out,
              path + ": refused: /terrains/1/name: the name \"地面\" is taken by /terrains/0\n");
    // Without a file named: data/terrains.json in the working folder.
    const std::string here = std::filesystem::current_path().string();
    std::filesystem::current_path(folder / "");
    const ToolRun missing = RunTool({"terrains", "check"});
    std::filesystem::current_path(here);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "data/terrains.json: refused: cannot read: No such file or directory\n");
    EXPECT_EQ(RunTool({"terrains", "check", path, path}).status, 2);
}

TEST(TerrainsLearn, LearnsTheTemplateAndAddsItToATerrainFile) {
    ScratchFolder folder;
    MapDocument doc = EmptyMap(8, 6);  // the template at (2,1)
    for (int y = 0; y < kTemplateSide; ++y)
        for (int x = 0; x < kTemplateSide; ++x) doc.layer1Ids[(1 + y) * 8 + 2 + x] = ChipOf(1, TemplateCorners(x, y));
    doc.layer1Ids[1 * 8 + 2] = 82;  // in the template's empty cell: left out, with a note
    const std::string map = folder / "map.bin";
    WriteMap(map, doc);
    const ToolRun learnt = RunTool({"terrains", "learn", map, "--at", "2,1", "--name", "地面"});
    ASSERT_EQ(learnt.status, 0) << learnt.err;
    EXPECT_NE(learnt.err.find("warning: the cell at (2,1) stands for the empty cell"), std::string::npos);
    EXPECT_EQ(learnt.out.rfind("    {\n      \"name\": \"地面\",\n      \"layer\": 1,\n", 0), 0u) << learnt.out;
    EXPECT_NE(learnt.out.find("{\"chip\": 1206, \"corners\": \"##.#\"}"), std::string::npos) << learnt.out;

    // Added to a file written by hand, whose text stays as it was; the same chips again are
    // refused, leaving the file as it was; a missing file is made.
    const std::string file = folder / "terrains.json";
    const std::string byHand = FileText(SetText("水", 0, 1 << 4));
    WriteText(file, byHand);
    ASSERT_EQ(RunTool({"terrains", "learn", "--add", file, "--at=2,1", "--name=崖", map}).status, 0);
    const std::vector<uint8_t> added = ReadBytes(file);
    EXPECT_EQ(std::string(added.begin(), added.end()).rfind(byHand.substr(0, byHand.size() - 2) + ",\n    {", 0), 0u)
        << "the file's own text is kept";
    EXPECT_EQ(Lines(RunTool({"terrains", "check", file}).out).back(),
              file + ": ok, 2 sets, 29 chips, 1 combination of corners without a chip");
    EXPECT_EQ(RunTool({"terrains", "learn", "--add", file, "--at=2,1", "--name=海", map}).status, 2);
    EXPECT_EQ(ReadBytes(file), added);
    const std::string made = folder / "new.json";
    ASSERT_EQ(RunTool({"terrains", "learn", "--add", made, "--at=2,1", "--name=海", map}).status, 0);
    EXPECT_EQ(RunTool({"terrains", "check", made}).status, 0);

    WriteText(folder / "bad.json", "{\"terrains\": 1}");
    const std::pair<std::vector<std::string>, const char*> refused[] = {
        {{"--at", "1,-2", "--name", "x"}, "--at takes the block's top-left cell as COLUMN,ROW, two whole numbers"},
        {{"--at", "2,1"}, "--name NAME names the set"},
        {{"--at", "2,1", "--name", std::string(201, 'x')}, "/terrains/0/name: a name is at most 200 bytes"},
        {{"--at", "2,1", "--name", "x", "--add", folder / "bad.json"}, "bad.json: refused: /terrains: "},
    };
    for (const auto& [options, complaint] : refused) {
        std::vector<std::string> args{"terrains", "learn", map};
        args.insert(args.end(), options.begin(), options.end());
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 2) << complaint;
        EXPECT_NE(run.err.find(complaint), std::string::npos) << run.err;
    }
}

// A 6 x 5 patch of the full chip, a chip of no set beside it and a chip in layer 0, with a
// complete set, one lacking the patch's outer corner and one lacking every inner corner.
TEST(Autotile, DrawsThePatchsEdgesOnceAndForAll) {
    ScratchFolder folder;
    MapDocument doc = EmptyMap(12, 10);
    for (int32_t row = 2; row <= 6; ++row)
        for (int32_t column = 3; column <= 8; ++column) doc.layer1Ids[row * 12 + column] = ChipOf(1, kAllCorners);
    doc.layer1Ids[4 * 12 + 9] = 82;
    doc.layer0Ids[4 * 12 + 2] = 100;
    const std::string map = folder / "map.bin", out = folder / "out.bin", terrains = folder / "terrains.json";
    WriteMap(map, doc);
    const struct {
        int lacking;  // a bit for each combination the set has no chip for
        const char* substitutes;
        int cornerCell;  // the corners of the chip drawn at the patch's outer top-left corner
    } cases[] = {{0, ", 0 drawn with a substitute", kBottomRight},
                 {1 << kBottomRight, ", 1 drawn with a substitute", kTopLeft | kBottomRight},
                 {1 << 7 | 1 << 11 | 1 << 13 | 1 << 14, ", 0 drawn with a substitute", kBottomRight}};
    for (const auto& c : cases) {
        WriteText(terrains, FileText(SetText("地面", 1, c.lacking)));
        const ToolRun run = RunTool({"autotile", "--terrains", terrains, map, out});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Lines(run.out)[0], map + ": 25 cells changed" + c.substitutes);
        const MapDocument fitted = LoadMapFile(out).read.document;
        const uint32_t cells[][3] = {{2, 1, ChipOf(1, c.cornerCell)}, {3, 1, ChipOf(1, kBottomLeft | kBottomRight)},
                                     {2, 4, ChipOf(1, kTopRight | kBottomRight)}, {9, 7, ChipOf(1, kTopLeft)},
                                     {9, 4, 82}, {5, 4, ChipOf(1, kAllCorners)}, {0, 0, 0}, {10, 4, 0}};
        for (const auto& cell : cells)
            EXPECT_EQ(fitted.layer1Ids[cell[1] * 12 + cell[0]], cell[2]) << cell[0] << "," << cell[1];
        EXPECT_EQ(fitted.layer0Ids, doc.layer0Ids);
        // Fitted once, the map stays as it is, whatever the seed.
        const ToolRun again =
            RunTool({"autotile", "--seed", "18446744073709551615", "--terrains", terrains, out, folder / "again.bin"});
        EXPECT_EQ(Lines(again.out)[0], out + ": 0 cells changed" + c.substitutes);
        EXPECT_EQ(ReadBytes(folder / "again.bin"), ReadBytes(out));
    }
    WriteText(folder / "bad.json", "{}");
    const std::string x = folder / "x.bin";
    EXPECT_EQ(RunTool({"autotile", "--terrains", terrains, map, folder / "x.txt"}).status, 2);
    EXPECT_EQ(RunTool({"autotile", "--terrains", folder / "bad.json", map, x}).status, 2);
    EXPECT_EQ(RunTool({"autotile", "--terrains", terrains, "--seed", "18446744073709551616", map, x}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(x));
}

}  // namespace
