// The editing rules' writes through the stage against the map file: what they write saves and
// reads back as the same cells (the sheet positions are those the readers give), is one undo
// step, and undone gives the bytes Save wrote before.
#include <gtest/gtest.h>

#include <functional>

#include "CellRulesTestSupport.h"
#include "TerrainTestSupport.h"
#include "map/core/CellBlock.h"
#include "map/core/CoveringChips.h"
#include "map/core/DocumentCells.h"
#include "map/core/FillRules.h"
#include "map/core/MapFileReader.h"
#include "map/core/MapFileWriter.h"
#include "map/core/Stage.h"
#include "map/core/StrokeLine.h"
#include "map/core/terrain/TerrainRules.h"

using namespace cell_rules_test;

namespace {

std::vector<uint8_t> Save(const Stage& stage) { return WriteBinaryMap(stage.Document()); }

// The palette entry holding a chip, as a palette pick selects it.
ChipEntry Entry(const PaletteModel& palette, uint32_t chipId, uint32_t layer) {
    for (size_t i = 0; i < palette.EntryCount(); ++i) {
        if (palette.Entries()[i].chipId == chipId && palette.Entries()[i].layer == layer)
            return palette.Entries()[i];
    }
    ADD_FAILURE() << "no chip " << chipId << " of layer " << layer;
    return ChipEntry{};
}

struct RuleCase {
    const char* name;
    std::function<CellWrites(const MapModel&, const EditorPalettes&)> writes;
};

void PrintTo(const RuleCase& c, std::ostream* out) { *out << c.name; }

class EditingRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(EditingRule, SavesAsItShowsAndUndoesToTheSameBytes) {
    const EditorPalettes palettes;
    MapDocument document;
    document.mapWidth = 8 * kCellSize;
    document.mapHeight = 6 * kCellSize;
    for (std::vector<uint32_t>* ids : {&document.layer0Ids, &document.layer1Ids, &document.layer2Ids})
        ids->assign(48, 0);
    for (size_t i = 0; i < 48; ++i) {
        document.layer0Ids[i] = i % 7 < 3 ? 0 : (i % 2 == 0 ? 1 : 26);
        document.layer1Ids[i] = i % 5 == 0 ? 2 : 0;
        document.layer2Ids[i] = i % 9 == 0 ? 3 : (i % 11 == 0 ? 1 : 0);
    }
    Stage stage;
    ASSERT_TRUE(OpenDocument(document, palettes.small, palettes.large, stage));
    const MapModel& map = stage.Map();
    const std::vector<uint8_t> before = Save(stage);

    const CellWrites writes = GetParam().writes(map, palettes);
    ASSERT_FALSE(writes.empty());
    ASSERT_TRUE(stage.WriteCells(writes));
    EXPECT_EQ(stage.UndoableSteps(), 1u);

    const std::vector<uint8_t> saved = Save(stage);
    EXPECT_NE(saved, before);
    const MapReadResult read = ReadBinaryMap(saved.data(), saved.size());
    ASSERT_TRUE(read.ok);
    MapModel reread;
    ASSERT_TRUE(InstallDocument(read.document, palettes.small, palettes.large, reread));
    for (int layer = 0; layer < 3; ++layer) {
        for (size_t i = 0; i < map.CellCount(); ++i) {
            // Empty cells draw nothing whatever position they keep.
            if (map.Layer(layer)[i].chipId == 0) continue;
            ASSERT_EQ(map.Layer(layer)[i], reread.Layer(layer)[i]) << "layer " << layer << ", cell " << i;
        }
    }

    ASSERT_TRUE(stage.Undo());
    EXPECT_EQ(Save(stage), before);
    ASSERT_TRUE(stage.Redo());
    EXPECT_EQ(Save(stage), saved);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, EditingRule,
    ::testing::Values(
        RuleCase{"rectangleOfSmallChips", [](const MapModel& map, const EditorPalettes& p) {
                     return RectangleFillWrites(map, Entry(p.small, 27, 0), {6, 5}, {1, 1});
                 }},
        RuleCase{"rectangleOfLargeChips", [](const MapModel& map, const EditorPalettes& p) {
                     return RectangleFillWrites(map, Entry(p.large, 5, 2), {7, 0}, {0, 5});
                 }},
        RuleCase{"rectangleErased", [](const MapModel& map, const EditorPalettes&) {
                     return RectangleFillWrites(map, ChipEntry{0, 0, 0, 3}, {0, 0}, {4, 3});
                 }},
        RuleCase{"bucketOfSmallChips", [](const MapModel& map, const EditorPalettes& p) {
                     return BucketFillWrites(map, Entry(p.small, 4, 1), {3, 2});
                 }},
        RuleCase{"bucketOfLargeChips", [](const MapModel& map, const EditorPalettes& p) {
                     return BucketFillWrites(map, Entry(p.large, 201, 2), {2, 3});
                 }},
        RuleCase{"bucketErased", [](const MapModel& map, const EditorPalettes&) {
                     return BucketFillWrites(map, ChipEntry{0, 0, 0, 3}, {3, 0});
                 }},
        RuleCase{"stampOfACopy", [](const MapModel& map, const EditorPalettes& p) {
                     const CellBlock block = CopyBlock(map, RectBetween({0, 0}, {3, 2}));
                     return StampWrites(map, block, {5, 4}, p.small, p.large);
                 }},
        RuleCase{"deletedArea", [](const MapModel& map, const EditorPalettes&) {
                     return EmptyAreaWrites(map, RectBetween({2, 1}, {7, 5}));
                 }},
        RuleCase{"strokeOfLargeChips", [](const MapModel& map, const EditorPalettes& p) {
                     return StrokeSegmentWrites(map, Entry(p.large, 12, 2), {0, 4}, {0, 4}, {7, 0});
                 }},
        RuleCase{"strokeErased", [](const MapModel& map, const EditorPalettes&) {
                     return StrokeSegmentWrites(map, ChipEntry{0, 0, 0, 3}, {0, 1}, {0, 1}, {7, 4});
                 }},
        RuleCase{"terrainPainted", [](const MapModel& map, const EditorPalettes&) {
                     static const TerrainSets sets = terrain_test::ReadSets(terrain_test::GroundJson());
                     return TerrainPaintWrites(map, sets, 0, CellsOnLine({0, 5}, {6, 1}), true, ChipRandom(3)).writes;
                 }},
        RuleCase{"terrainTakenAway", [](const MapModel& map, const EditorPalettes&) {
                     static const TerrainSets sets = terrain_test::ReadSets(terrain_test::GroundJson());
                     return TerrainPaintWrites(map, sets, 0, CellsOfRect({0, 0, 4, 3}), false, ChipRandom(3)).writes;
                 }},
        RuleCase{"autotiled", [](const MapModel& map, const EditorPalettes&) {
                     static const TerrainSets sets = terrain_test::ReadSets(terrain_test::GroundJson());
                     return AutotileWrites(map, sets, ChipRandom(3)).writes;
                 }},
        RuleCase{"cellErasedWithItsCoveringChip", [](const MapModel& map, const EditorPalettes&) {
                     return EraseCellWrites(map, {1, 1});
                 }}),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

}  // namespace
