#include "dialogs/core/SettingsRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "dialogs/core/NumberText.h"
#include "map/core/ToolState.h"
#include "map/core/tools/StartTool.h"

namespace {

MapSize SizeFromBoxes(const char* width, const char* height) {
    return ApplyEditAreaRules(ReadBoxNumber(width), ReadBoxNumber(height));
}

void ExpectSize(MapSize size, int32_t width, int32_t height) {
    EXPECT_EQ(size.width, width);
    EXPECT_EQ(size.height, height);
}

}  // namespace

TEST(EditAreaRules, RoundsToWholeCellsThenClamps) {
    ExpectSize(ApplyEditAreaRules(700, 500), 680, 480);
    ExpectSize(ApplyEditAreaRules(639, 480), 640, 480);  // 600 after rounding, then raised
    ExpectSize(ApplyEditAreaRules(2439, 480), 2400, 480);
    ExpectSize(ApplyEditAreaRules(5000, 480), 2400, 480);
    ExpectSize(ApplyEditAreaRules(640, 2440), 640, 2400);
    ExpectSize(ApplyEditAreaRules(2400, 2400), 2400, 2400);
    ExpectSize(ApplyEditAreaRules(1000, 519), 1000, 480);
    ExpectSize(ApplyEditAreaRules(-40, -40), 640, 480);
    ExpectSize(ApplyEditAreaRules(INT32_MAX, INT32_MIN), 2400, 480);
}

TEST(EditAreaRules, ASideThatReadsAsTheMapHasItIsKept) {
    const MapSize large{4000, 4000};  // 100 x 100 cells, from a file
    ExpectSize(ApplyEditAreaRules(4000, 4000, large), 4000, 4000);
    ExpectSize(ApplyEditAreaRules(4000, 2000, large), 4000, 2000);
    ExpectSize(ApplyEditAreaRules(3000, 4000, large), 2400, 4000);
    ExpectSize(ApplyEditAreaRules(650, 470, MapSize{650, 470}), 650, 470);
    ExpectSize(ApplyEditAreaRules(700, 500, MapSize{640, 480}), 680, 480);
}

TEST(EditAreaRules, BoxTextWithoutDigitsGivesTheMinimum) {
    ExpectSize(SizeFromBoxes("", ""), 640, 480);
    ExpectSize(SizeFromBoxes("wide", "-40"), 640, 480);
    ExpectSize(SizeFromBoxes("99999999999", "881"), 2400, 880);
}

TEST(StartPositionRules, EachCoordinateFallsBackOnItsOwn) {
    auto expect = [](int32_t x, int32_t y, int32_t wantX, int32_t wantY) {
        const StartPosition p = ApplyStartPositionRules(x, y);
        EXPECT_EQ(p.x, wantX) << x << "," << y;
        EXPECT_EQ(p.y, wantY) << x << "," << y;
    };
    expect(640, 480, 640, 480);
    expect(0, 0, 0, 0);
    expect(641, 100, 320, 100);
    expect(100, 481, 100, 240);
    expect(-1, 480, 320, 480);
    expect(640, -1, 640, 240);
    expect(1000, 2000, 320, 240);
    expect(INT32_MIN, INT32_MAX, 320, 240);
    // A coordinate that reads as the stage holds it stays, whatever its value.
    const StartPosition held{120, 2200};
    const StartPosition kept = ApplyStartPositionRules(120, 2200, held);
    EXPECT_EQ(kept.x, 120);
    EXPECT_EQ(kept.y, 2200);
    const StartPosition typed = ApplyStartPositionRules(700, 2200, held);
    EXPECT_EQ(typed.x, 320);
    EXPECT_EQ(typed.y, 2200);
}

// The view point clicked, the view's top-left cell, the zoom (map pixels a view pixel), and
// the start it gives or which coordinate is beyond.
struct StartClickCase {
    int32_t x, y, scrollX, scrollY, factor;
    bool moved;
    int32_t startX, startY;
    bool beyondX, beyondY;
};

class StartToolClick : public testing::TestWithParam<StartClickCase> {};

// The start tool's click as the main window hands it over: the map point under the view point.
TEST_P(StartToolClick, MovesTheStartWithinTheDialogsBoundsOnly) {
    const StartClickCase& c = GetParam();
    MapModel map;
    StartTool tool;
    ToolInput in{map, ChipEntry{}, CellPoint{}, CellRect{}};
    in.point = ViewPointPixel(c.x, c.y, c.scrollX, c.scrollY, ViewZoom{c.factor});
    const ToolStep step = tool.Press(in);
    ASSERT_TRUE(step.startClicked && step.writes.empty());
    EXPECT_EQ(step.start.moved, c.moved);
    if (c.moved) EXPECT_EQ((std::pair{step.start.start.x, step.start.start.y}), (std::pair{c.startX, c.startY}));
    EXPECT_EQ((std::pair{step.start.beyondX, step.start.beyondY}), (std::pair{c.beyondX, c.beyondY}));
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, StartToolClick,
    testing::Values(StartClickCase{100, 50, 0, 0, 1, true, 100, 50, false, false},
                    StartClickCase{0, 0, 16, 12, 1, true, 640, 480, false, false},   // on the bounds
                    StartClickCase{1, 0, 16, 0, 1, false, 0, 0, true, false},        // scrolled past x
                    StartClickCase{15, 17, 2, 1, 1, true, 95, 57, false, false},
                    StartClickCase{10, 10, 0, 0, 2, true, 20, 20, false, false},     // 50 %
                    StartClickCase{330, 100, 0, 0, 2, false, 0, 0, true, false},
                    StartClickCase{100, 130, 0, 0, 4, false, 0, 0, false, true},     // 25 %
                    StartClickCase{160, 120, 0, 0, 4, true, 640, 480, false, false},
                    StartClickCase{600, 400, 20, 20, 4, false, 0, 0, true, true}));

TEST(StageNumberRules, ClampsToZeroTo999) {
    EXPECT_EQ(ClampStageNumber(1000), 999);
    EXPECT_EQ(ClampStageNumber(-5), 0);
    EXPECT_EQ(ClampStageNumber(999), 999);
    EXPECT_EQ(ClampStageNumber(0), 0);
    EXPECT_EQ(ClampStageNumber(INT32_MIN), 0);
    EXPECT_EQ(ClampStageNumber(ReadBoxNumber("99999999999")), 999);
}

TEST(CutCommentText, KeepsAtMostMaxBytesWithoutSplittingACharacter) {
    const std::string ascii(400, 'a');
    EXPECT_EQ(CutCommentText(ascii.data(), ascii.size(), 255), 255u);
    EXPECT_EQ(CutCommentText(ascii.data(), 10, 255), 10u);
    EXPECT_EQ(CutCommentText(ascii.data(), 0, 255), 0u);

    // 254 ASCII bytes, then a double-byte character on bytes 255 and 256.
    std::string lead = std::string(254, 'a') + "\x82\xa0" + "bc";
    EXPECT_EQ(CutCommentText(lead.data(), lead.size(), 255), 254u);

    // 150 double-byte characters (300 bytes), both lead-byte ranges.
    std::string wide;
    for (int i = 0; i < 150; ++i) wide += (i % 2) ? "\x82\xa0" : "\xe0\x40";
    EXPECT_EQ(CutCommentText(wide.data(), wide.size(), 255), 254u);

    // Shifted by one ASCII byte, the 255th byte is a trail byte and the cut is exact.
    const std::string shifted = "a" + wide;
    EXPECT_EQ(CutCommentText(shifted.data(), shifted.size(), 255), 255u);

    // A trail byte in 0x40..0x7E or equal to a lead value is not itself a lead byte.
    const std::string trailLikeLead = "\x81\x81" "a";
    EXPECT_EQ(CutCommentText(trailLikeLead.data(), trailLikeLead.size(), 255), 3u);

    // A lead byte that ends the text has no trail and is dropped.
    const std::string lone = "ab\x82";
    EXPECT_EQ(CutCommentText(lone.data(), lone.size(), 255), 2u);

    // Half-width katakana (0xA1..0xDF) and 0x80, 0xFD..0xFF are single bytes.
    const std::string single = "\xb1\xdf\x80\xfd\xff";
    EXPECT_EQ(CutCommentText(single.data(), single.size(), 3), 3u);

    EXPECT_EQ(CutCommentText(nullptr, 5, 255), 0u);
}
