#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ChipFile.h"
#include "core/ChipTable.h"
#include "core/PaletteModel.h"
#include "PaletteTestSupport.h"

using palette_test::Describe;

namespace {

// What the palette initialiser does with a chip file's text on a 512 x 512 sheet.
bool LoadSmallPalette(PaletteModel& model, const std::string& text) {
    const ChipFileContents contents = ParseChipFile(text);
    if (contents.hasPaletteSize) model.paletteSize = contents.paletteSize;
    if (!model.SheetFits(512, 512)) return false;
    return model.BuildEntries(contents.codes.data(), contents.codes.size());
}

TEST(ChipFileText, ReadsNumbersLikeScanfDecimal) {
    const ChipFileContents c = ParseChipFile(" \t\r\n256\r\n+7 -1\n0012 4294967295 4294967296");
    ASSERT_TRUE(c.hasPaletteSize);
    EXPECT_EQ(c.paletteSize, 256u);
    EXPECT_EQ(c.codes, (std::vector<uint32_t>{7, 0xFFFFFFFFu, 12, 0xFFFFFFFFu, 0}));
    EXPECT_EQ(ParseChipFile("99999999999999999999").paletteSize, 1661992959u);  // mod 2^32
}

TEST(ChipFileText, StopsForGoodAtFirstNonNumber) {
    EXPECT_EQ(ParseChipFile("256 1 2 x 3 4").codes, (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(ParseChipFile("256 12abc 5").codes, (std::vector<uint32_t>{12}));
    EXPECT_EQ(ParseChipFile("256 - 5").codes, (std::vector<uint32_t>{}));
    EXPECT_EQ(ParseChipFile("256 1 +").codes, (std::vector<uint32_t>{1}));
    for (const char* noSize : {"", "   \n", "x 256 1", "-", "\xEF\xBB\xBF" "256"}) {
        const ChipFileContents c = ParseChipFile(noSize);
        EXPECT_FALSE(c.hasPaletteSize) << noSize;
        EXPECT_TRUE(c.codes.empty()) << noSize;
    }
}

TEST(ChipFilePalette, EmptyFileKeepsSizeAndFillsChipZero) {
    PaletteModel model(20);
    ASSERT_TRUE(LoadSmallPalette(model, ""));
    EXPECT_EQ(model.paletteSize, 256u);
    ASSERT_EQ(model.EntryCount(), 144u);
    for (size_t i = 0; i < 144; ++i) {
        const std::string expected =
            "0 " + std::to_string(i % 12 * 40) + " " + std::to_string(i / 12 * 40) + " 0";
        ASSERT_EQ(Describe(model.Entries()[i]), expected) << i;
    }
}

TEST(ChipFilePalette, MissingAndUnreadableCodesCountAsZero) {
    PaletteModel model(20);
    ASSERT_TRUE(LoadSmallPalette(model, "256\n1002 -1 7 oops 9 9"));
    EXPECT_EQ(Describe(model.Entries()[0]), "2 0 0 1");
    EXPECT_EQ(Describe(model.Entries()[1]), "4294965295 40 0 2");  // -1 is a layer-2 code
    EXPECT_EQ(Describe(model.Entries()[2]), "7 80 0 0");
    EXPECT_EQ(Describe(model.Entries()[3]), "0 120 0 0");
    EXPECT_EQ(Describe(model.Entries()[4]), "0 160 0 0");
}

TEST(ChipFilePalette, SizeNotFittingTheSheetIsReported) {
    PaletteModel model(20);
    EXPECT_FALSE(LoadSmallPalette(model, "300 1 2 3"));
    EXPECT_EQ(model.paletteSize, 300u);
    EXPECT_FALSE(model.SideFits(512));
    EXPECT_EQ(model.EntryCount(), 0u);
    EXPECT_EQ(SheetSizeMessage(512, 512), "512 512");
    EXPECT_EQ(SheetSizeMessage(-1, INT32_MIN), "-1 -2147483648");
}

TEST(ChipFileDisk, ShippedFilesMatchBuiltInTables) {
    struct Case { const char* name; const uint32_t* table; size_t count; };
    for (const Case c : {Case{"/data/MapChip_S.txt", SmallChipTable, 145},
                         Case{"/data/MapChip_L.txt", LargeChipTable, 37}}) {
        std::string text;
        ASSERT_TRUE(ReadChipFile((std::string(PICORAN_SOURCE_DIR) + c.name).c_str(), text)) << c.name;
        const ChipFileContents contents = ParseChipFile(text);
        ASSERT_TRUE(contents.hasPaletteSize);
        EXPECT_EQ(contents.paletteSize, c.table[0]);
        EXPECT_EQ(contents.codes, std::vector<uint32_t>(c.table + 1, c.table + c.count)) << c.name;
    }
    std::string text = "stale";
    EXPECT_FALSE(ReadChipFile((std::string(PICORAN_SOURCE_DIR) + "/data/NoSuchFile.txt").c_str(), text));
    EXPECT_TRUE(text.empty());
    EXPECT_FALSE(ReadChipFile(nullptr, text));
}

}  // namespace
