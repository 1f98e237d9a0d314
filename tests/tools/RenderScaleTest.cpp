// render --scale: the map at N pixels a cell by the editor's overview code.
#include "EditorPalettes.h"
#include "MapPictures.h"
#include "MapRaster.h"
#include "PngTestSupport.h"
#include "ScaledRaster.h"
#include "ToolTestSupport.h"
#include "render/core/OverviewCompose.h"

namespace {

using namespace tool_test;

// A map with large chips across the borders of the view's 16 x 12 blocks, small chips over
// them in both layers and a chip no palette holds.
MapDocument BusyMap(int32_t cols, int32_t rows) {
    MapDocument doc = EmptyMap(cols, rows);
    const uint32_t large[3] = {35, 1, 201};
    for (int32_t r = 0; r < rows; ++r)
        for (int32_t c = 0; c < cols; ++c) {
            const size_t i = static_cast<size_t>(r * cols + c);
            if ((c + 2 * r) % 3 == 0 || c % 16 == 15 || r % 12 == 11) doc.layer2Ids[i] = large[i % 3];
            if ((c * r) % 5 == 1) doc.layer1Ids[i] = 14;
            if ((c + r) % 7 == 2) doc.layer0Ids[i] = i % 11 == 0 ? 4242 : 100;
        }
    return doc;
}

std::vector<uint8_t> RenderPixels(const std::vector<std::string>& args, uint32_t width, uint32_t height) {
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<uint8_t> pixels;
    const std::vector<uint8_t> png = ReadBytes(args.back());
    EXPECT_TRUE(DecodeRgbPng(png, width, height, pixels)) << args.back();
    return pixels;
}

class RenderScaleTest : public ::testing::Test {
protected:
    ScratchFolder folder;
};

}  // namespace

// At 40 pixels a cell the overview's code draws what the view's blocks draw.
TEST_F(RenderScaleTest, FortyPixelsACellIsTheFullSizePicture) {
    WriteMap(folder / "map.bin", BusyMap(17, 13));
    const auto full = RenderPixels({"render", folder / "map.bin", folder / "full.png"}, 680, 520);
    const auto scaled = RenderPixels({"render", "--scale", "40", folder / "map.bin", folder / "s40.png"}, 680, 520);
    ASSERT_EQ(full.size(), scaled.size());
    EXPECT_TRUE(full == scaled);
}

// The picture is the overview's composition at that scale, the editor's palettes placing
// the chips, each 5-bit channel spread to 8 bits.
TEST_F(RenderScaleTest, PictureHoldsTheOverviewsCompositionAtThatScale) {
    const MapDocument doc = BusyMap(60, 60);
    WriteMap(folder / "map.bin", doc);
    MapModel model;
    ASSERT_TRUE(EditorPalettes().BuildModel(doc, model));
    MapPictures pictures;
    std::string error;
    ASSERT_TRUE(LoadMapPictures(SourcePath("res"), pictures, error)) << error;
    for (const int32_t cellPixels : {8, 3}) {
        const OverviewScale scale = OverviewScaleAt(model.CellCounts(), cellPixels);
        OverviewSheets sheets;
        ASSERT_TRUE(sheets.Prepare(*pictures.smallSheet, *pictures.largeSheet, *pictures.backdrop, cellPixels));
        MemorySurface overview(scale.width, scale.height);
        ComposeOverview(overview, sheets, scale, model);
        const std::string png = folder / "scaled.png";
        const ToolRun run = RunTool({"render", "--scale=" + std::to_string(cellPixels), folder / "map.bin", png});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, png + ": written, " + std::to_string(scale.width) + " x " +
                               std::to_string(scale.height) + " pixels\n");
        std::vector<uint8_t> pixels;
        ASSERT_TRUE(DecodeRgbPng(ReadBytes(png), 60 * cellPixels, 60 * cellPixels, pixels));
        for (int32_t y = 0; y < scale.height; ++y)
            for (int32_t x = 0; x < scale.width; ++x) {
                const uint16_t p = overview.Pixel(x, y);
                const uint8_t* got = &pixels[(static_cast<size_t>(y) * scale.width + x) * 3];
                ASSERT_EQ(got[0], ExpandChannel((p >> 10) & 31u)) << cellPixels << ": " << x << ", " << y;
                ASSERT_EQ(got[1], ExpandChannel((p >> 5) & 31u)) << cellPixels << ": " << x << ", " << y;
                ASSERT_EQ(got[2], ExpandChannel(p & 31u)) << cellPixels << ": " << x << ", " << y;
            }
    }
}

TEST_F(RenderScaleTest, RefusesScalesItCannotDrawAndTheGridBesideThem) {
    WriteMap(folder / "map.bin", EmptyMap(16, 12));
    for (const char* scale : {"0", "41", "x", "8px", "", "-3", "007", "+5", " 5"}) {
        const ToolRun run = RunTool({"render", "--scale", scale, folder / "map.bin", folder / "a.png"});
        EXPECT_EQ(run.status, 2) << scale;
        EXPECT_NE(run.err.find("--scale takes the pixels a cell"), std::string::npos) << run.err;
    }
    const ToolRun grid = RunTool({"render", "--grid", "--scale", "4", folder / "map.bin", folder / "b.png"});
    EXPECT_EQ(grid.status, 2);
    EXPECT_NE(grid.err.find("--grid"), std::string::npos) << grid.err;
    // 2000 x 1 cells: too wide at full size, a thin strip at one pixel a cell.
    MapDocument wide = EmptyMap(2000, 1);
    wide.layer2Ids[1999] = 35;
    WriteMap(folder / "wide.bin", wide);
    EXPECT_EQ(RunTool({"render", folder / "wide.bin", folder / "c.png"}).status, 2);
    const ToolRun thin = RunTool({"render", "--scale", "1", folder / "wide.bin", folder / "d.png"});
    EXPECT_EQ(thin.status, 0) << thin.err;
    EXPECT_EQ(thin.out, folder / "d.png" + ": written, 2000 x 1 pixels\n");
}
