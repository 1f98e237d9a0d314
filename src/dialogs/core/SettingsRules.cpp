#include "dialogs/core/SettingsRules.h"

#include "core/ShiftJis.h"
#include "map/core/MapCell.h"
#include "render/core/ViewGeometry.h"

namespace {

constexpr int32_t kMaxMapSide = 2400;     // 60 cells
constexpr int32_t kMinStageNumber = 0;
constexpr int32_t kMaxStageNumber = 999;

int32_t ClampSide(int32_t pixels, int32_t minimum) {
    pixels = pixels / kCellSize * kCellSize;  // C++ division truncates toward zero
    if (pixels > kMaxMapSide) return kMaxMapSide;
    if (pixels < minimum) return minimum;
    return pixels;
}

// The start position's bounds, the dialog's and the start tool's: those of the 640 x 480 view.
bool WithinStartBound(int64_t value, int32_t maximum) { return value >= 0 && value <= maximum; }

}  // namespace

MapSize ApplyEditAreaRules(int32_t width, int32_t height) {
    return {ClampSide(width, kViewWidth), ClampSide(height, kViewHeight)};
}

MapSize ApplyEditAreaRules(int32_t width, int32_t height, MapSize current) {
    const MapSize typed = ApplyEditAreaRules(width, height);
    return {width == current.width ? width : typed.width,
            height == current.height ? height : typed.height};
}

StartPosition ApplyStartPositionRules(int32_t x, int32_t y) {
    if (!WithinStartBound(x, kViewWidth)) x = kViewWidth / 2;
    if (!WithinStartBound(y, kViewHeight)) y = kViewHeight / 2;
    return {x, y};
}

StartPosition ApplyStartPositionRules(int32_t x, int32_t y, StartPosition held) {
    const StartPosition typed = ApplyStartPositionRules(x, y);
    return {x == held.x ? x : typed.x, y == held.y ? y : typed.y};
}

StartClick StartFromClick(int64_t x, int64_t y) {
    StartClick click;
    click.beyondX = !WithinStartBound(x, kViewWidth);
    click.beyondY = !WithinStartBound(y, kViewHeight);
    click.moved = !click.beyondX && !click.beyondY;
    if (click.moved) click.start = StartPosition{static_cast<int32_t>(x), static_cast<int32_t>(y)};
    return click;
}

int32_t ClampStageNumber(int32_t value) {
    if (value > kMaxStageNumber) return kMaxStageNumber;
    if (value < kMinStageNumber) return kMinStageNumber;
    return value;
}

size_t CutCommentText(const char* text, size_t length, size_t maxBytes) {
    if (text == nullptr) return 0;
    return ShiftJisKeepLength(text, length, maxBytes);
}
