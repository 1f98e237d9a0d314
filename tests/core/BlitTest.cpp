// Pixel surfaces, clipping and the keyed copy.
#include <gtest/gtest.h>

#include "render/core/Blit.h"
#include "render/core/PixelSurface.h"

namespace {

struct Rect {
    int32_t dstX, dstY, left, top, right, bottom;
};

bool Clip(const PixelSurface& destination, const PixelSurface& source, Rect& r) {
    return ClipBlit(destination, source, r.dstX, r.dstY, r.left, r.top, r.right, r.bottom);
}

void Fill(PixelSurface& surface, uint16_t value) {
    for (int32_t y = 0; y < surface.height; ++y)
        for (int32_t x = 0; x < surface.width; ++x) surface.SetPixel(x, y, value);
}

}  // namespace

TEST(PixelSurface, PitchRoundsRowsUpToWholeWordsAndRowTableFollowsIt) {
    for (int32_t width : {5, 640, 641}) {
        MemorySurface surface(width, 3);
        ASSERT_TRUE(surface.HasSurface());
        const int32_t expected = width == 5 ? 12 : width == 640 ? 1280 : 1284;
        EXPECT_EQ(surface.pitch, expected) << width;
        for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(surface.rowOffsets[i], i * expected);
    }
}

TEST(PixelSurface, NewSurfaceIsBlackAndClearBlackensAgain) {
    MemorySurface surface(7, 4);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 7; ++x) EXPECT_EQ(surface.Pixel(x, y), 0);
    Fill(surface, 0x1234);
    surface.Clear();
    EXPECT_EQ(surface.Pixel(6, 3), 0);
}

TEST(PixelSurface, ImpossibleSizeGivesAnEmptySurface) {
    MemorySurface surface(0, 10);
    EXPECT_FALSE(surface.HasSurface());
    EXPECT_EQ(surface.width, -1);
    EXPECT_EQ(surface.pitch, -1);
}

TEST(ClipBlit, WorkedExampleCutsRightEdgeAndTopRows) {
    MemorySurface destination(640, 480), source(512, 512);
    Rect r{600, -20, 0, 0, 80, 80};
    ASSERT_TRUE(Clip(destination, source, r));
    EXPECT_EQ(r.right, 40);
    EXPECT_EQ(r.bottom, 80);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.dstY, 0);
    EXPECT_EQ(r.dstX, 600);
    EXPECT_EQ(r.left, 0);
}

TEST(ClipBlit, InvertedRectangleIsRefusedUntouchedButEmptyOneIsAccepted) {
    MemorySurface destination(64, 64), source(64, 64);
    Rect inverted{-5, -5, 10, 10, 9, 20};
    Rect before = inverted;
    EXPECT_FALSE(Clip(destination, source, inverted));
    EXPECT_EQ(inverted.dstX, before.dstX);
    EXPECT_EQ(inverted.left, before.left);
    EXPECT_EQ(inverted.right, before.right);
    EXPECT_EQ(inverted.top, before.top);

    Rect invertedRows{0, 0, 0, 10, 5, 9};
    EXPECT_FALSE(Clip(destination, source, invertedRows));

    Rect empty{0, 0, 10, 10, 10, 20};
    EXPECT_TRUE(Clip(destination, source, empty));
}

TEST(ClipBlit, SourceRectangleIsCutAtTheSourceEdges) {
    MemorySurface destination(1000, 1000), source(512, 300);
    Rect r{0, 0, 400, 200, 600, 400};
    ASSERT_TRUE(Clip(destination, source, r));
    EXPECT_EQ(r.right, 512);
    EXPECT_EQ(r.bottom, 300);
}

TEST(ClipBlit, FarCoordinatesDoNotWrap) {
    MemorySurface destination(640, 480), source(512, 512);
    Rect r{INT32_MAX - 10, INT32_MIN + 10, 0, 0, 80, 80};
    ASSERT_TRUE(Clip(destination, source, r));
    EXPECT_TRUE(r.left >= r.right || r.top >= r.bottom);  // nothing left to copy
}

class BlitKeyedTest : public ::testing::Test {
protected:
    // Source: pixel value 100 + x + 10 * y, with a key-coloured pixel at (1, 1).
    BlitKeyedTest() : destination(8, 6), source(4, 4) {
        for (int32_t y = 0; y < 4; ++y)
            for (int32_t x = 0; x < 4; ++x)
                source.SetPixel(x, y, static_cast<uint16_t>(100 + x + 10 * y));
        source.colorKey = 111;  // the pixel at (1, 1)
        Fill(destination, 7);
    }
    MemorySurface destination;
    MemorySurface source;
};

TEST_F(BlitKeyedTest, CopiesEveryPixelButTheKeyColour) {
    BlitKeyed(destination, 2, 1, source, 0, 0, 4, 4);
    EXPECT_EQ(destination.Pixel(2, 1), 100);
    EXPECT_EQ(destination.Pixel(5, 4), 133);
    EXPECT_EQ(destination.Pixel(3, 2), 7);  // key pixel (1, 1) left the destination alone
    EXPECT_EQ(destination.Pixel(1, 1), 7);
    EXPECT_EQ(destination.Pixel(6, 1), 7);
}

TEST_F(BlitKeyedTest, PixelDifferingFromKeyInOneBitIsCopied) {
    source.colorKey = 110;  // (0, 1) is now the key; (1, 1) = 111 differs in one bit
    BlitKeyed(destination, 0, 0, source, 0, 0, 2, 2);
    EXPECT_EQ(destination.Pixel(0, 1), 7);
    EXPECT_EQ(destination.Pixel(1, 1), 111);
}

TEST_F(BlitKeyedTest, NegativeDestinationLosesTheLeadingColumnsAndRows) {
    BlitKeyed(destination, -2, -3, source, 0, 0, 4, 4);
    EXPECT_EQ(destination.Pixel(0, 0), 132);  // source (2, 3)
    EXPECT_EQ(destination.Pixel(1, 0), 133);
    EXPECT_EQ(destination.Pixel(2, 0), 7);
    EXPECT_EQ(destination.Pixel(0, 1), 7);
}

TEST_F(BlitKeyedTest, RectangleWhollyLeftOfTheDestinationCopiesNothing) {
    // Like a 40-wide chip at dstX -40: the clipped rectangle is empty.
    BlitKeyed(destination, -4, 0, source, 0, 0, 4, 4);
    for (int32_t y = 0; y < 6; ++y)
        for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(destination.Pixel(x, y), 7);
}

TEST_F(BlitKeyedTest, DestinationPointAtOrPastTheEdgesCopiesNothing) {
    BlitKeyed(destination, 8, 0, source, 0, 0, 4, 4);
    BlitKeyed(destination, 0, 6, source, 0, 0, 4, 4);
    BlitKeyed(destination, 100, 100, source, 0, 0, 4, 4);
    for (int32_t y = 0; y < 6; ++y)
        for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(destination.Pixel(x, y), 7);
}

TEST_F(BlitKeyedTest, CopyIsCutAtTheRightAndBottomEdges) {
    BlitKeyed(destination, 6, 4, source, 0, 0, 4, 4);
    EXPECT_EQ(destination.Pixel(6, 4), 100);
    EXPECT_EQ(destination.Pixel(7, 5), 7);  // source (1, 1) is the key colour
    EXPECT_EQ(destination.Pixel(7, 4), 101);
}

TEST_F(BlitKeyedTest, NegativeSourceCornerNeverReadsOutsideTheSource) {
    BlitKeyed(destination, 0, 0, source, -2, -1, 2, 2);
    EXPECT_EQ(destination.Pixel(2, 1), 100);  // source (0, 0) shifted by the cut-off part
    EXPECT_EQ(destination.Pixel(0, 0), 7);
}

TEST(BlitKeyedEmpty, EmptySurfacesAreNeverTouched) {
    MemorySurface empty(0, 0), real(4, 4);
    BlitKeyed(real, 0, 0, empty, 0, 0, 4, 4);
    BlitKeyed(empty, 0, 0, real, 0, 0, 4, 4);
    EXPECT_EQ(real.Pixel(0, 0), 0);
}
