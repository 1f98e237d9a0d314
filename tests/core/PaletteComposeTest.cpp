#include <gtest/gtest.h>

#include "render/core/PaletteCompose.h"
#include "render/core/PixelSurface.h"

namespace {

// A sheet whose pixels are a mix of the key colour and distinct colours.
void FillSheet(MemorySurface& sheet, uint16_t key) {
    for (int32_t y = 0; y < sheet.height; ++y)
        for (int32_t x = 0; x < sheet.width; ++x)
            sheet.SetPixel(x, y, (x + y) % 3 == 0 ? key : static_cast<uint16_t>(1 + x + 16 * y));
}

void FillWith(MemorySurface& surface, uint16_t value) {
    for (int32_t y = 0; y < surface.height; ++y)
        for (int32_t x = 0; x < surface.width; ++x) surface.SetPixel(x, y, value);
}

TEST(ComposePalette, CopiesSheetLeavingKeyPixelsBlack) {
    // A key other than 0 shows that key pixels are skipped, not copied as black.
    for (const uint16_t key : {uint16_t{0}, Rgb555(255, 0, 255)}) {
        MemorySurface sheet(7, 5), work(7, 5);
        sheet.colorKey = key;
        FillSheet(sheet, key);
        FillWith(work, 0x7FFF);  // the previous picture, frame and all
        ASSERT_TRUE(ComposePalette(work, sheet));
        for (int32_t y = 0; y < 5; ++y)
            for (int32_t x = 0; x < 7; ++x) {
                const uint16_t expected = sheet.Pixel(x, y) == key ? 0 : sheet.Pixel(x, y);
                ASSERT_EQ(work.Pixel(x, y), expected) << x << "," << y << " key " << key;
            }
    }
}

TEST(ComposePalette, ClipsToTheSmallerSurface) {
    MemorySurface sheet(4, 3), work(6, 5);
    FillSheet(sheet, 0);
    FillWith(work, 0x1111);
    ASSERT_TRUE(ComposePalette(work, sheet));
    EXPECT_EQ(work.Pixel(1, 0), sheet.Pixel(1, 0));
    EXPECT_EQ(work.Pixel(3, 2), sheet.Pixel(3, 2));
    EXPECT_EQ(work.Pixel(4, 0), 0);  // beyond the sheet: cleared, not left over
    EXPECT_EQ(work.Pixel(0, 4), 0);

    MemorySurface narrow(2, 2);
    FillWith(narrow, 0x3333);
    ASSERT_TRUE(ComposePalette(narrow, sheet));
    EXPECT_EQ(narrow.Pixel(0, 0), 0);  // a key pixel
    EXPECT_EQ(narrow.Pixel(1, 1), sheet.Pixel(1, 1));
}

TEST(ComposePalette, SurfacesWithoutPixels) {
    MemorySurface emptySheet(0, 0), work(3, 3), emptyWork(0, 0), sheet(3, 3);
    FillWith(work, 0x2222);
    FillSheet(sheet, 0);
    EXPECT_FALSE(ComposePalette(work, emptySheet));  // the caller reports the failed clip
    EXPECT_EQ(work.Pixel(2, 2), 0);
    EXPECT_TRUE(ComposePalette(emptyWork, sheet));
}

}  // namespace
