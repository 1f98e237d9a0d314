// The terrain rules: the file and its refusals, the chip drawn for each combination of
// corners, the brush on a map and its neighbours, taking terrain away, re-fitting a map as the
// brush paints it, learning a set from the template and the random brush.
#include <gtest/gtest.h>

#include <set>

#include "TerrainTestSupport.h"
#include "map/core/ChipPainting.h"
#include "map/core/terrain/TerrainLearn.h"
#include "map/core/terrain/TerrainRules.h"
#include "map/core/tools/ChipHand.h"

using namespace cell_rules_test;
using namespace terrain_test;

namespace {

struct TerrainRefusalCase {
    const char* name;
    std::string file;
    const char* error;
};
void PrintTo(const TerrainRefusalCase& c, std::ostream* out) { *out << c.name; }

std::string Sets(const std::string& chips, const char* layer = "1") {
    return "{\"terrains\": [{\"name\": \"a\", \"layer\": " + std::string(layer) + ", \"chips\": [" + chips + "]}]}";
}

class TerrainFileRefusal : public ::testing::TestWithParam<TerrainRefusalCase> {};

TEST_P(TerrainFileRefusal, RefusesTheWholeFileSayingWhereAndWhy) {
    const EditorPalettes palettes;
    TerrainSets sets = ReadSets(GroundJson());
    std::string error;
    EXPECT_FALSE(ReadTerrainSets(GetParam().file, palettes.small, palettes.large, sets, error));
    EXPECT_EQ(error, GetParam().error);
    EXPECT_EQ(sets.Count(), 1u);  // untouched
}

INSTANTIATE_TEST_SUITE_P(
    Faults, TerrainFileRefusal,
    ::testing::Values(
        TerrainRefusalCase{"notJson", "{\"terrains\": [", "byte 15: not valid JSON: parse error at line 1, column 15: syntax error while parsing value - unexpected end of input; expected '[', '{', or a literal"},
        TerrainRefusalCase{"unknownCode", Sets("{\"chip\": 1500, \"corners\": \"####\"}"), "/terrains/0/chips/0/chip: chip code 1500 is in neither chip table"},
        TerrainRefusalCase{"wrongLayer", Sets("{\"chip\": 26, \"corners\": \"####\"}"), "/terrains/0/chips/0/chip: chip code 26 is a chip of layer 0, not of the set's layer 1"},
        TerrainRefusalCase{"largeChip", Sets("{\"chip\": 2001, \"corners\": \"####\"}", "0"), "/terrains/0/chips/0/chip: chip code 2001 is a chip of layer 2, not of the set's layer 0"},
        TerrainRefusalCase{"threeMarks", Sets("{\"chip\": 1002, \"corners\": \"##.\"}"), "/terrains/0/chips/0/corners: corners must be four marks, # inside and . outside (top-left, top-right, bottom-right, bottom-left), not \"##.\""},
        TerrainRefusalCase{"otherMark", Sets("{\"chip\": 1002, \"corners\": \"#o##\"}"), "/terrains/0/chips/0/corners: corners must be four marks, # inside and . outside (top-left, top-right, bottom-right, bottom-left), not \"#o##\""},
        TerrainRefusalCase{"allOutside", Sets("{\"chip\": 1002, \"corners\": \"....\"}"), "/terrains/0/chips/0/corners: \"....\" is the empty cell, which takes no chip"},
        TerrainRefusalCase{"chipTwice", Sets("{\"chip\": 1002, \"corners\": \"####\"}, {\"chip\": 1002, \"corners\": \"#...\"}"), "/terrains/0/chips/1/chip: chip code 1002 is at /terrains/0/chips/0 already"},
        TerrainRefusalCase{"emptyChip", Sets("{\"chip\": 1000, \"corners\": \"####\"}"), "/terrains/0/chips/0/chip: chip code 1000 is the empty chip"},
        TerrainRefusalCase{"noChips", Sets(""), "/terrains/0/chips: a set needs at least one chip"},
        TerrainRefusalCase{"layerTwo", Sets("{\"chip\": 1002, \"corners\": \"####\"}", "2"), "/terrains/0/layer: a set's layer is 0 or 1 (small chips), not 2"},
        TerrainRefusalCase{"zeroWeight", Sets("{\"chip\": 1002, \"corners\": \"####\", \"weight\": 0}"), "/terrains/0/chips/0/weight: a weight must be a number above 0 and at most 1000000, not 0"},
        TerrainRefusalCase{"unknownKey", Sets("{\"chip\": 1002, \"corner\": \"####\"}"), "/terrains/0/chips/0/corner: unknown key"},
        TerrainRefusalCase{"nameTwice", "{\"terrains\": [" + GroundJson("g") + "," + GroundJson("g") + "]}", "/terrains/1/name: the name \"g\" is taken by /terrains/0"}),
    [](const ::testing::TestParamInfo<TerrainRefusalCase>& info) { return std::string(info.param.name); });

TEST(TerrainSet, DrawsEachCombinationWithItsChipOrTheNearestAndWeighsVariations) {
    const TerrainSets complete = ReadSets(GroundJson());
    const TerrainSet& set = complete.Set(0);
    for (int corners = 1; corners < kCornerCombinations; ++corners) {
        EXPECT_EQ(set.ChipFor(static_cast<uint8_t>(corners), 0.0).code, kGroundCodes[corners - 1]) << corners;
    }
    // Weights 1 and 0.5: the first full chip takes two thirds of the picks.
    EXPECT_EQ(set.ChipFor(kAllCorners, 0.66).code, kGroundCodes[14]);
    EXPECT_EQ(set.ChipFor(kAllCorners, 0.67).code, 1037u);
    EXPECT_EQ(set.FullChip().code, kGroundCodes[14]);

    // Without the inner corners: one corner differs, and the one keeping the cell's inside wins.
    const TerrainSets lacking = ReadSets(GroundJson("g", {7, 11, 13, 14}));
    const uint8_t drawnAs[] = {0, 1, 2, 3, 4, 5, 6, 15, 8, 9, 10, 15, 12, 15, 15, 15};
    for (int corners = 0; corners < kCornerCombinations; ++corners)
        EXPECT_EQ(lacking.Set(0).drawnAs[corners], drawnAs[corners]) << corners;
}

struct TerrainStrokeCase {
    const char* name;
    uint32_t columns, rows;
    std::vector<CellPoint> cells;
    bool inside;
    std::string before;  // 'f' full chips, 'x' a chip of no set, '.' empty
    std::string after;
};
void PrintTo(const TerrainStrokeCase& c, std::ostream* out) { *out << c.name; }

class TerrainStroke : public ::testing::TestWithParam<TerrainStrokeCase> {};

TEST_P(TerrainStroke, ReFitsThePaintedCellsAndTheirNeighbours) {
    const TerrainStrokeCase& c = GetParam();
    const TerrainSets sets = ReadSets(GroundJson());
    MapModel map;
    ASSERT_TRUE(map.MakeEmpty(static_cast<int32_t>(c.columns) * kCellSize, static_cast<int32_t>(c.rows) * kCellSize));
    const TerrainSet& ground = sets.Set(0);
    for (size_t i = 0, cell = 0; i < c.before.size(); ++i) {
        if (c.before[i] == '|') continue;
        if (c.before[i] == 'f') map.Layer(1)[cell] = CellOf(ground.FullChip().chip);
        if (c.before[i] == 'x') map.Layer(1)[cell] = MapCell{100, 0, 0};
        ++cell;
    }
    // Re-fitting is then painting or taking away the painted cells from the full-chip map.
    Apply(map, TerrainPaintWrites(map, sets, 0, c.cells, c.inside, ChipRandom(1)).writes);
    EXPECT_EQ(Corners(map, sets), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Brush, TerrainStroke,
    ::testing::Values(
        TerrainStrokeCase{"oneCell", 5, 4, {{2, 1}}, true, "", ".4c8.|.6f9.|.231.|....."},
        TerrainStrokeCase{"mapCorner", 3, 3, {{0, 0}}, true, "", "f9.|31.|..."},
        TerrainStrokeCase{"farCorner", 3, 3, {{2, 2}}, true, "", "...|.4c|.6f"},
        TerrainStrokeCase{"outsideTheMapDoesNothing", 3, 3, {{3, 3}, {-1, 0}}, true, "", "...|...|..."},
        TerrainStrokeCase{"twoCellsJoin", 4, 3, {{1, 1}, {2, 1}}, true, "", "4cc8|6ff9|2331"},
        TerrainStrokeCase{"joinsHandPlacedTerrain", 4, 3, {{2, 1}}, true, ".f..|....|....", ".fd8|.7f9|.231"},
        TerrainStrokeCase{"foreignChipsStay", 3, 3, {{1, 1}}, true, "x.x|...|..x", "xcx|6f9|23x"},
        TerrainStrokeCase{"paintedOverForeignChip", 3, 3, {{1, 1}}, true, "...|.x.|...", "4c8|6f9|231"},
        TerrainStrokeCase{"shiftTakesAway", 5, 5, {{2, 2}}, false, "fffff|fffff|fffff|fffff|fffff",
                   "fffff|fb37f|f9.6f|fdcef|fffff"},
        TerrainStrokeCase{"shiftAtTheEdge", 3, 3, {{0, 0}}, false, "fff|fff|fff", ".6f|cef|fff"},
        TerrainStrokeCase{"shiftKeepsAForeignChipButNotItsCorners", 3, 3, {{1, 1}}, false, "fff|fxf|fff", "b37|9x6|dce"}),
    [](const ::testing::TestParamInfo<TerrainStrokeCase>& info) { return std::string(info.param.name); });

TEST(Autotile, ReFitsAMapAsTheBrushPaintsItAndChangesNothingTheSecondTime) {
    const TerrainSets sets = ReadSets(GroundJson());
    MapModel painted, filled;
    ASSERT_TRUE(painted.MakeEmpty(20 * kCellSize, 15 * kCellSize));
    ASSERT_TRUE(filled.MakeEmpty(20 * kCellSize, 15 * kCellSize));
    const ChipRandom random(42);
    uint32_t state = 7;
    for (int step = 0; step < 60; ++step) {
        state = state * 1103515245u + 12345u;
        const CellPoint cell{static_cast<int32_t>(state >> 8) % 20, static_cast<int32_t>(state >> 20) % 15};
        Apply(painted, TerrainPaintWrites(painted, sets, 0, {cell}, true, random).writes);
        filled.Layer(1)[IndexOf(cell, filled.CellCounts())] = CellOf(sets.Set(0).FullChip().chip);
    }
    // The variations of the full chip differ; the corners must not.
    Apply(filled, AutotileWrites(filled, sets, random).writes);
    EXPECT_EQ(Corners(filled, sets), Corners(painted, sets));
    EXPECT_TRUE(AutotileWrites(painted, sets, random).writes.empty());
}

TEST(TerrainLearn, ReadsEachChipsCornersFromItsPlaceInTheTemplate) {
    const EditorPalettes palettes;
    const TerrainSets ground = ReadSets(GroundJson());
    MapModel map;
    ASSERT_TRUE(map.MakeEmpty(6 * kCellSize, 6 * kCellSize));
    for (int row = 0; row < kTemplateSide; ++row) {
        for (int column = 0; column < kTemplateSide; ++column) {
            const uint8_t corners = TemplateCorners(column, row);
            if (corners != 0) map.Layer(1)[(row + 2) * 6 + column + 1] = CellOf(ground.Set(0).ChipFor(corners, 0).chip);
        }
    }
    TerrainSet set;
    std::string error;
    std::vector<std::string> warnings;
    ASSERT_TRUE(LearnTerrainSet(map, {1, 2}, "g", palettes.small, set, error, warnings)) << error;
    EXPECT_EQ(set.layer, 1);
    ASSERT_EQ(set.chips.size(), 15u);
    std::set<int> combinations;
    for (const TerrainChip& chip : set.chips) {
        combinations.insert(chip.corners);
        EXPECT_EQ(chip.code, kGroundCodes[chip.corners - 1]);
    }
    EXPECT_EQ(combinations.size(), 15u);
    EXPECT_EQ(set.chips.front().corners, kAllCorners);
    EXPECT_TRUE(warnings.empty());

    // Refused: off the map, a cell missing, a chip twice.
    EXPECT_FALSE(LearnTerrainSet(map, {3, 2}, "g", palettes.small, set, error, warnings));
    EXPECT_EQ(error, "the 4 x 4 block at (3,2) does not lie inside the map of 6 x 6 cells");
    map.Layer(1)[2 * 6 + 2] = map.Layer(1)[2 * 6 + 3];
    EXPECT_FALSE(LearnTerrainSet(map, {1, 2}, "g", palettes.small, set, error, warnings));
    EXPECT_EQ(error, "chip code 1013 stands at (2,2) and at (3,2)");
    map.Layer(1)[2 * 6 + 2] = MapCell{};
    EXPECT_FALSE(LearnTerrainSet(map, {1, 2}, "g", palettes.small, set, error, warnings));
    EXPECT_EQ(error, "neither layer 0 nor layer 1 holds a chip in each of the block's 15 cells");
}

TEST(RandomBrush, EachCellTakesOneOfTheChipsInHandAsTheSeedSays) {
    const EditorPalettes palettes;
    MapModel map;
    ChipHand hand;
    hand.random = ChipRandom(9);
    const ChipEntry a{2, 0, 0, 1}, b{4, 40, 0, 1}, c{6, 80, 0, 1};
    ChipEntry inHand = hand.ToggleRandomChip(a, b);
    inHand = hand.ToggleRandomChip(inHand, c);
    ASSERT_EQ(hand.RandomChips().size(), 3u);
    CellWrites writes;
    for (uint32_t i = 0; i < map.CellCount(); ++i) writes.push_back({i, 1, CellOf(hand.ChipToLay(inHand))});
    CellWrites again = writes;
    ResolveRandomChips(map, hand, writes);
    ResolveRandomChips(map, hand, again);
    ASSERT_EQ(writes.size(), map.CellCount());
    std::set<uint32_t> used;
    for (size_t i = 0; i < writes.size(); ++i) {
        used.insert(writes[i].cell.chipId);
        EXPECT_EQ(writes[i].cell, again[i].cell);
    }
    EXPECT_EQ(used, (std::set<uint32_t>{2, 4, 6}));
    // Ctrl+click on chips in hand takes them out; with one left the hand holds a chip.
    hand.ToggleRandomChip(inHand, c);
    EXPECT_EQ(hand.ToggleRandomChip(inHand, b).chipId, 2u);
    EXPECT_FALSE(hand.RandomBrush());
}

}  // namespace
