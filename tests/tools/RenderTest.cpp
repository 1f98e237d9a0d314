#include "EditorPalettes.h"
#include "MapPictures.h"
#include "MapRaster.h"
#include "PngTestSupport.h"
#include "ToolTestSupport.h"
#include "render/core/Blit.h"
#include "render/core/MapView.h"
#include "render/core/ViewGeometry.h"

namespace {

using namespace tool_test;

uint32_t Expanded(uint16_t pixel) {
    return uint32_t{ExpandChannel((pixel >> 10) & 31u)} << 16 |
           uint32_t{ExpandChannel((pixel >> 5) & 31u)} << 8 | ExpandChannel(pixel & 31u);
}

uint32_t RasterPixel(MapRaster& raster, uint32_t x, uint32_t y) {
    const uint8_t* p = raster.Row(y) + 3 * x;
    return uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
}

void DecodePng(const std::string& path, uint32_t width, uint32_t height, std::vector<uint8_t>& pixels) {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    ASSERT_NO_FATAL_FAILURE(ExpectRgbPngHeader(bytes, width, height));
    ASSERT_TRUE(DecodeRgbPng(bytes, width, height, pixels)) << path;
}

uint32_t PngPixel(const std::vector<uint8_t>& pixels, uint32_t width, uint32_t x, uint32_t y) {
    const uint8_t* p = &pixels[(size_t{y} * width + x) * 3];
    return uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
}

class RenderTest : public ::testing::Test {
protected:
    MapPictures pictures;
    EditorPalettes palettes;
    ScratchFolder folder;

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(LoadMapPictures(SourcePath("res"), pictures, error)) << error;
    }

    // Large chips of the large palette, small chips of both small-palette layers.
    static uint32_t LargeChip(size_t i) { return (i % 3 == 0) ? 35 : (i % 3 == 1 ? 1 : 201); }

    void Build(const MapDocument& doc, MapModel& model) {
        ASSERT_TRUE(palettes.BuildModel(doc, model));
    }

    // The whole map composed in one pass over a picture of the map's size: the backdrop laid
    // at the top-left of every 16 x 12 block, then every cell in row-major order.
    void SlowReference(const MapModel& model, MemorySurface& out) {
        out.Clear();
        for (int32_t y = 0; y < out.height; y += kViewHeight)
            for (int32_t x = 0; x < out.width; x += kViewWidth)
                BlitKeyed(out, x, y, *pictures.backdrop, 0, 0, kViewWidth, kViewHeight);
        const MapCellCounts counts = model.CellCounts();
        for (uint32_t row = 0; row < counts.cellsY; ++row) {
            for (uint32_t column = 0; column < counts.cellsX; ++column) {
                const size_t i = size_t{row} * counts.cellsX + column;
                const int32_t x = static_cast<int32_t>(column) * 40, y = static_cast<int32_t>(row) * 40;
                const MapCell& large = model.Layer(2)[i];
                if (large.chipId != 0)
                    BlitKeyed(out, x, y, *pictures.largeSheet, large.srcX, large.srcY, large.srcX + 80, large.srcY + 80);
                for (int layer = 1; layer >= 0; --layer) {
                    const MapCell& small = model.Layer(layer)[i];
                    if (small.chipId != 0)
                        BlitKeyed(out, x, y, *pictures.smallSheet, small.srcX, small.srcY, small.srcX + 40, small.srcY + 40);
                }
            }
        }
    }
};

// The render command end to end, against the view composed from cells whose sheet positions
// are written out here as the palettes' grids place them, not looked up.
TEST_F(RenderTest, FullViewMapEqualsTheEditorsBackBuffer) {
    MapDocument doc = EmptyMap(16, 12);
    std::vector<MapCell> layer2(doc.CellCount()), layer1(doc.CellCount()), layer0(doc.CellCount());
    const MapCell large[3] = {{35, 80, 160}, {1, 0, 0}, {201, 240, 0}};  // codes 2035, 2001, 2201
    for (size_t i = 0; i < doc.CellCount(); ++i) {
        if (i % 5 == 0) layer2[i] = large[i % 3];
        if (i % 4 == 1) layer1[i] = MapCell{14, 0, 40};     // code 1014: column 0, row 1
        if (i % 6 == 2) layer0[i] = MapCell{100, 120, 80};  // code 100: column 3, row 2
        doc.layer2Ids[i] = layer2[i].chipId;
        doc.layer1Ids[i] = layer1[i].chipId;
        doc.layer0Ids[i] = layer0[i].chipId;
    }
    layer0[7] = MapCell{4242, 0, 0};  // in no palette: drawn from the sheet's top-left
    doc.layer0Ids[7] = 4242;
    MapModel model;
    ASSERT_TRUE(model.ReplaceCells(640, 480, layer1, layer2, layer0));
    MemorySurface backBuffer(640, 480);
    ComposeMapView(backBuffer, *pictures.backdrop, *pictures.smallSheet, *pictures.largeSheet, model, 0, 0);

    WriteMap(folder / "map.bin", doc);
    ASSERT_EQ(RunTool({"render", folder / "map.bin", folder / "map.png"}).status, 0);
    std::vector<uint8_t> pixels;
    ASSERT_NO_FATAL_FAILURE(DecodePng(folder / "map.png", 640, 480, pixels));
    for (uint32_t y = 0; y < 480; ++y)
        for (uint32_t x = 0; x < 640; ++x)
            ASSERT_EQ(PngPixel(pixels, 640, x, y), Expanded(backBuffer.Pixel(x, y))) << x << ", " << y;
}

// Large chips on the last column and row of each block overhang into the next block; small
// chips lie over their overhanging parts, and large chips overlap across a block corner.
TEST_F(RenderTest, LargeChipsAcrossBlockBordersMatchASlowReference) {
    for (const auto [cols, rows] : {std::pair<int32_t, int32_t>{60, 60}, {17, 13}}) {
        MapDocument doc = EmptyMap(cols, rows);
        size_t n = 0;
        for (int32_t r = 0; r < rows; ++r) {
            for (int32_t c = 0; c < cols; ++c) {
                const size_t i = static_cast<size_t>(r * cols + c);
                const bool border = c % 16 == 15 || r % 12 == 11 || c == cols - 1 || r == rows - 1;
                if (border || (c % 16 == 0 && r % 12 == 0)) doc.layer2Ids[i] = LargeChip(n++);
                if ((c % 16 == 0 || r % 12 == 0) && (c + r) % 2 == 0) doc.layer0Ids[i] = 1 + n % 3;
                if (c % 16 == 0 && r % 3 == 0) doc.layer1Ids[i] = 14;  // code 1014
            }
        }
        MapModel model;
        Build(doc, model);
        MemorySurface reference(cols * 40, rows * 40);
        SlowReference(model, reference);
        MapRaster raster(model, pictures, false);
        ASSERT_EQ(raster.Width(), static_cast<uint32_t>(cols * 40));
        ASSERT_EQ(raster.Height(), static_cast<uint32_t>(rows * 40));
        for (uint32_t y = 0; y < raster.Height(); ++y)
            for (uint32_t x = 0; x < raster.Width(); ++x)
                ASSERT_EQ(RasterPixel(raster, x, y), Expanded(reference.Pixel(x, y)))
                    << cols << " x " << rows << " map, pixel " << x << ", " << y;
    }
}

TEST_F(RenderTest, PngFileHoldsTheRasterAndTheGridLiesOnCellBorders) {
    MapDocument doc = EmptyMap(18, 13);  // partial blocks on both sides
    doc.layer2Ids[15] = 35;
    doc.layer0Ids[18 * 12 + 17] = 100;
    doc.mapWidth += 25;                  // pixels past the last whole cell are not drawn
    WriteMap(folder / "map.bin", doc);
    MapModel model;
    Build(doc, model);
    for (const bool grid : {false, true}) {
        const std::string png = folder / (grid ? "grid.png" : "plain.png");
        std::vector<std::string> args{"render", "--sheets", SourcePath("res"), folder / "map.bin", png};
        if (grid) args.insert(args.begin() + 1, "--grid");
        const ToolRun run = RunTool(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, png + ": written, 720 x 520 pixels\n");

        std::vector<uint8_t> pixels;
        ASSERT_NO_FATAL_FAILURE(DecodePng(png, 720, 520, pixels));
        MapRaster raster(model, pictures, false);
        for (uint32_t y = 0; y < 520; ++y) {
            for (uint32_t x = 0; x < 720; ++x) {
                const uint32_t got = PngPixel(pixels, 720, x, y);
                const bool onGrid = x % 40 == 0 || x % 40 == 39 || y % 40 == 0 || y % 40 == 39;
                const uint32_t want = grid && onGrid ? 0x00FF00u : RasterPixel(raster, x, y);
                ASSERT_EQ(got, want) << (grid ? "grid " : "plain ") << x << ", " << y;
            }
        }
    }
}

TEST_F(RenderTest, RefusesWhatItCannotDrawAndKeepsMapFiles) {
    WriteMap(folder / "map.bin", EmptyMap(16, 12));
    // Operands swapped: the picture must not replace a map.
    EXPECT_EQ(RunTool({"render", folder / "out.png", folder / "map.bin"}).status, 2);
    EXPECT_EQ(ReadBytes(folder / "map.bin"), WriteBinaryMap(EmptyMap(16, 12)));
    // A sheets folder without the pictures, and one whose sheet has the wrong size.
    const ToolRun noSheets = RunTool({"render", "--sheets", folder / "none", folder / "map.bin", folder / "a.png"});
    EXPECT_EQ(noSheets.status, 2);
    EXPECT_NE(noSheets.err.find("small_sheet.bmp: cannot read"), std::string::npos) << noSheets.err;
    for (const char* name : {"small_sheet.bmp", "large_sheet.bmp"})
        WriteBytes(folder / name, ReadBytes(SourcePath("res/small_sheet.bmp")));
    WriteBytes(folder / "backdrop.bmp", ReadBytes(SourcePath("res/small_sheet.bmp")));
    EXPECT_EQ(RunTool({"render", "--sheets", folder / "", folder / "map.bin", folder / "b.png"}).status, 0);
    WriteBytes(folder / "large_sheet.bmp", ReadBytes(SourcePath("res/backdrop.bmp")));
    const ToolRun wrongSize = RunTool({"render", "--sheets", folder / "", folder / "map.bin", folder / "c.png"});
    EXPECT_EQ(wrongSize.status, 2);
    EXPECT_NE(wrongSize.err.find("640 x 480 pixels; the palettes need 512 x 512"), std::string::npos)
        << wrongSize.err;
    // A map far beyond the picture limits.
    MapDocument wide = EmptyMap(1, 1);
    wide.mapWidth = 40 * 2000;
    wide.layer2Ids.assign(2000, 0);
    wide.layer1Ids.assign(2000, 0);
    wide.layer0Ids.assign(2000, 0);
    WriteMap(folder / "wide.bin", wide);
    EXPECT_EQ(RunTool({"render", folder / "wide.bin", folder / "d.png"}).status, 2);
}

}  // namespace
