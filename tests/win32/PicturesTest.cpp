// The pictures as the editor holds them (loaded and converted by GDI) are the pictures the
// command-line tool reads from the same files, so the tool's renderings match the editor.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "EditorFixture.h"
#include "render/core/BmpImage.h"
#include "render/core/MapView.h"

namespace {

// The source folder as Wine sees it: the Linux root is drive Z:.
std::string SourceFile(const std::string& relative) {
    return std::string("Z:") + PICORAN_SOURCE_DIR + "/" + relative;
}

std::unique_ptr<MemorySurface> ReadPicture(const std::string& relative) {
    std::ifstream file(SourceFile(relative), std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
    BmpReadResult read = ReadBmpImage(bytes.data(), bytes.size());
    EXPECT_TRUE(read.surface != nullptr) << relative << ": " << read.error;
    if (read.surface) read.surface->colorKey = 0;
    return std::move(read.surface);
}

void ExpectSamePixels(const PixelSurface& editor, const PixelSurface& tool, const char* what) {
    ASSERT_EQ(editor.width, tool.width) << what;
    ASSERT_EQ(editor.height, tool.height) << what;
    int differing = 0;
    for (int32_t y = 0; y < editor.height; ++y)
        for (int32_t x = 0; x < editor.width; ++x) differing += editor.Pixel(x, y) != tool.Pixel(x, y);
    EXPECT_EQ(differing, 0) << what;
}

}  // namespace

TEST_F(EditorTest, ToolReadsThePicturesExactlyAsTheEditorLoadsThem) {
    auto small = ReadPicture("res/small_sheet.bmp");
    auto large = ReadPicture("res/large_sheet.bmp");
    auto backdrop = ReadPicture("res/backdrop.bmp");
    ASSERT_TRUE(small && large && backdrop);
    ExpectSamePixels(*mainWindow->smallSheet, *small, "small sheet");
    ExpectSamePixels(*mainWindow->largeSheet, *large, "large sheet");
    ExpectSamePixels(*mainWindow->backdrop, *backdrop, "backdrop");

    // The same map composed from the tool's pictures equals the editor's back buffer
    // before the grid and the markers are drawn over it.
    SetCell(2, 17, MapCell{35, 80, 160});
    SetCell(1, 18, MapCell{2, 0, 0});
    SetCell(0, 40, MapCell{100, 120, 80});
    GdiFlush();
    ComposeMapView(*mainWindow->backBuffer, *mainWindow->backdrop, *mainWindow->smallSheet,
                   *mainWindow->largeSheet, mainWindow->map, 0, 0);
    MemorySurface toolView(640, 480);
    ComposeMapView(toolView, *backdrop, *small, *large, mainWindow->map, 0, 0);
    ExpectSamePixels(*mainWindow->backBuffer, toolView, "composed view");
}
