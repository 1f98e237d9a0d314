#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/ChipTable.h"
#include "core/PaletteModel.h"
#include "map/core/DocumentCells.h"
#include "PaletteTestSupport.h"

using palette_test::Describe;

namespace {

// The two palettes as the program builds them from the built-in tables.
class BuiltPalettes : public ::testing::Test {
protected:
    BuiltPalettes() {
        EXPECT_TRUE(small.BuildEntries(SmallChipTable + 1, kSmallChipTableLength - 1));
        EXPECT_TRUE(large.BuildEntries(LargeChipTable + 1, kLargeChipTableLength - 1));
    }
    PaletteModel small{kSmallPaletteArgument};
    PaletteModel large{kLargePaletteArgument};
};

TEST(ChipCode, DecodesLayerByUnsignedThresholds) {
    EXPECT_EQ(Describe(DecodeChipCode(999)), "999 0 0 0");
    EXPECT_EQ(Describe(DecodeChipCode(1000)), "0 0 0 1");
    EXPECT_EQ(Describe(DecodeChipCode(1999)), "999 0 0 1");
    EXPECT_EQ(Describe(DecodeChipCode(2000)), "0 0 0 2");
    EXPECT_EQ(Describe(DecodeChipCode(5000)), "3000 0 0 2");
    EXPECT_EQ(Describe(DecodeChipCode(0xFFFFFFFFu)), "4294965295 0 0 2");  // -1 from a file
}

TEST(CellArgument, PacksCellSizeAndActiveFlag) {
    struct Case { uint32_t packed; uint32_t cellSize; bool active; };
    for (const Case c : {Case{20, 20, false}, Case{0xFF28, 40, true}, Case{0x0128, 40, true},
                         Case{0x28, 40, false}, Case{0x10014, 20, false}}) {
        PaletteModel model(c.packed);
        EXPECT_EQ(model.cellSize, c.cellSize) << c.packed;
        EXPECT_EQ(model.active, c.active) << c.packed;
        EXPECT_EQ(model.paletteSize, 256u);
        EXPECT_EQ(model.highlightX, 0);
        EXPECT_EQ(model.highlightY, 0);
        EXPECT_EQ(model.EntryCount(), 0u);
    }
}

TEST(SheetFit, NeedsBothSidesTwiceThePaletteSize) {
    PaletteModel model(20);
    EXPECT_TRUE(model.SheetFits(512, 512));
    EXPECT_FALSE(model.SheetFits(512, 510));
    EXPECT_FALSE(model.SheetFits(510, 512));
    model.paletteSize = 255;
    EXPECT_FALSE(model.SheetFits(512, 512));
    // 2 * 0x80000100 wraps to 512 in 32 bits; it must not pass for a 512 sheet.
    model.paletteSize = 0x80000100u;
    EXPECT_FALSE(model.SheetFits(512, 512));
    model.paletteSize = 0;
    EXPECT_FALSE(model.SheetFits(-1, -1));  // an empty texture
}

TEST_F(BuiltPalettes, EntriesCarryCodeAndSheetPosition) {
    ASSERT_EQ(small.EntryCount(), 144u);
    EXPECT_EQ(Describe(small.Entries()[0]), "2 0 0 1");
    EXPECT_EQ(Describe(small.Entries()[27]), "100 120 80 0");
    EXPECT_EQ(Describe(small.Entries()[143]), "0 440 440 1");
    ASSERT_EQ(large.EntryCount(), 36u);
    EXPECT_EQ(Describe(large.Entries()[0]), "1 0 0 2");
    EXPECT_EQ(Describe(large.Entries()[13]), "35 80 160 2");
    EXPECT_EQ(Describe(large.Entries()[35]), "0 400 400 2");
}

TEST_F(BuiltPalettes, FindChipGivesFirstCellInStepsOf40) {
    struct Case { const PaletteModel* palette; int32_t layer; uint32_t chipId; int32_t x, y; };
    for (const Case c : {Case{&small, 1, 2, 0, 0}, Case{&small, 0, 100, 120, 80},
                         Case{&small, 1, 0, 440, 0}, Case{&small, 0, 0, 0, 0},
                         Case{&small, 2, 1, 0, 0}, Case{&large, 2, 35, 40, 80},
                         Case{&large, 2, 0, 160, 40}, Case{&large, 1, 2, 0, 0},
                         Case{&large, -2, 35, 0, 0}}) {
        const ChipPosition p = c.palette->FindChip(c.layer, c.chipId);
        EXPECT_EQ(p.x, c.x) << c.layer << "/" << c.chipId;
        EXPECT_EQ(p.y, c.y) << c.layer << "/" << c.chipId;
    }
}

// The cells the editor makes of a map file's chip ids.
TEST_F(BuiltPalettes, ChipIdsBecomeCellsThroughThePaletteOfTheirLayer) {
    // Large palette column 2, row 1 (code 2081): the position doubled to the 80-pixel chip.
    EXPECT_EQ(CellFromChipId(81, 2, large), (MapCell{81, 160, 80}));
    EXPECT_EQ(CellFromChipId(100, 0, small), (MapCell{100, 120, 80}));
    EXPECT_EQ(CellFromChipId(2, 1, small), (MapCell{2, 0, 0}));
    EXPECT_EQ(CellFromChipId(7777, 1, small), (MapCell{7777, 0, 0}));  // in no palette

    MapDocument doc;
    doc.mapWidth = 80;
    doc.mapHeight = 40;
    doc.layer2Ids = {81, 0};
    doc.layer1Ids = {0, 2};
    doc.layer0Ids = {100, 0};
    doc.startX = 7;
    doc.comment = {'h', 'i'};
    Stage stage;
    ASSERT_TRUE(OpenDocument(doc, small, large, stage));
    EXPECT_EQ(stage.Map().Layer(2)[0], (MapCell{81, 160, 80}));
    EXPECT_EQ(stage.Map().Layer(0)[0], (MapCell{100, 120, 80}));
    EXPECT_EQ(stage.Settings().startX, 7);
    EXPECT_EQ(stage.Document(), doc);
}

TEST_F(BuiltPalettes, PickOnTheGridSelectsAndMovesHighlight) {
    ChipEntry picked;
    ASSERT_TRUE(small.Pick(0, 0, picked));
    EXPECT_EQ(Describe(picked), "2 0 0 1");
    EXPECT_EQ(small.highlightX, 0);
    EXPECT_EQ(small.highlightY, 0);
    ASSERT_TRUE(small.Pick(239, 239, picked));
    EXPECT_EQ(Describe(picked), "0 440 440 1");
    EXPECT_EQ(small.highlightX, 220);
    EXPECT_EQ(small.highlightY, 220);

    ASSERT_TRUE(large.Pick(45, 85, picked));
    EXPECT_EQ(Describe(picked), "35 80 160 2");
    EXPECT_EQ(large.highlightX, 40);
    EXPECT_EQ(large.highlightY, 80);
    ASSERT_TRUE(large.Pick(239, 0, picked));
    EXPECT_EQ(Describe(picked), "205 400 0 2");
    EXPECT_EQ(large.highlightX, 200);
    EXPECT_EQ(large.highlightY, 0);
}

TEST_F(BuiltPalettes, PickOffTheGridChangesNothing) {
    small.SetHighlight(60, 20);
    ChipEntry picked = DecodeChipCode(1234);
    const std::string before = Describe(picked);
    for (const auto& point : {std::pair{240, 10}, std::pair{10, 250}, std::pair{-1, 0},
                              std::pair{0, -1}, std::pair{INT32_MAX, 0}, std::pair{INT32_MIN, 0}}) {
        EXPECT_FALSE(small.Pick(point.first, point.second, picked));
    }
    EXPECT_EQ(Describe(picked), before);
    EXPECT_EQ(small.highlightX, 60);
    EXPECT_EQ(small.highlightY, 20);
    EXPECT_FALSE(small.active);
}

TEST_F(BuiltPalettes, PaletteSizeChangedAfterBuildStaysInsideEntries) {
    // A later, refused initialiser may leave a larger palette size beside the old grid.
    small.paletteSize = 512;
    ChipEntry picked;
    EXPECT_FALSE(small.Pick(300, 300, picked));
    EXPECT_TRUE(small.Pick(239, 0, picked));
    EXPECT_EQ(Describe(picked), "0 440 0 1");
    EXPECT_EQ(small.FindChip(0, 146).x, 280);
    EXPECT_EQ(small.FindChip(0, 146).y, 440);
}

TEST(PaletteWithoutEntries, PickAndFindChipAreHarmless) {
    PaletteModel model(0xFF28);
    model.SetHighlight(40, 40);
    ChipEntry picked;
    EXPECT_FALSE(model.Pick(0, 0, picked));
    EXPECT_EQ(Describe(picked), "1 0 0 2");
    EXPECT_EQ(model.highlightX, 40);
    EXPECT_EQ(model.FindChip(2, 1).x, 0);
    EXPECT_EQ(model.FindChip(2, 1).y, 0);

    PaletteModel noCells(0);  // cell size 0: no grid at all
    EXPECT_EQ(noCells.CellsPerSide(), 0u);
    EXPECT_TRUE(noCells.BuildEntries(LargeChipTable + 1, 36));
    EXPECT_EQ(noCells.EntryCount(), 0u);
    EXPECT_FALSE(noCells.Pick(0, 0, picked));
}

TEST_F(BuiltPalettes, RebuildingReplacesEntries) {
    ASSERT_TRUE(small.BuildEntries(nullptr, 0));
    ASSERT_EQ(small.EntryCount(), 144u);
    EXPECT_EQ(Describe(small.Entries()[0]), "0 0 0 0");
    EXPECT_EQ(Describe(small.Entries()[143]), "0 440 440 0");

    // An absurd grid is refused and leaves no entries behind.
    small.paletteSize = 0xFFFFFFFFu;
    EXPECT_FALSE(small.BuildEntries(nullptr, 0));
    EXPECT_EQ(small.EntryCount(), 0u);
    EXPECT_EQ(small.Entries(), nullptr);
    ChipEntry picked;
    EXPECT_FALSE(small.Pick(0, 0, picked));

    small.paletteSize = 256;
    ASSERT_TRUE(small.BuildEntries(SmallChipTable + 1, 144));
    EXPECT_EQ(Describe(small.Entries()[27]), "100 120 80 0");
}

TEST_F(BuiltPalettes, FrameCornersScaleHighlightToSheet) {
    SelectionFrame f = small.FrameCorners(512, 512);
    EXPECT_EQ((std::vector<int32_t>{f.x1, f.y1, f.x2, f.y2}), (std::vector<int32_t>{0, 0, 40, 40}));
    large.SetHighlight(40, 80);
    f = large.FrameCorners(512, 512);
    EXPECT_EQ((std::vector<int32_t>{f.x1, f.y1, f.x2, f.y2}),
              (std::vector<int32_t>{80, 160, 160, 240}));
    // Out-of-range products are clamped, not converted with undefined behaviour.
    large.SetHighlight(INT32_MAX, INT32_MIN);
    f = large.FrameCorners(512, 512);
    EXPECT_EQ((std::vector<int32_t>{f.x1, f.y1, f.x2, f.y2}),
              (std::vector<int32_t>{INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN}));
    large.paletteSize = 0;
    f = large.FrameCorners(512, 512);
    EXPECT_EQ((std::vector<int32_t>{f.x1, f.y1, f.x2, f.y2}), (std::vector<int32_t>{0, 0, 0, 0}));
}

}  // namespace
