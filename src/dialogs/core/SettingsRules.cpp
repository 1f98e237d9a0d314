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
    if (x > kViewWidth || x < 0) x = kViewWidth / 2;
    if (y > kViewHeight || y < 0) y = kViewHeight / 2;
    return {x, y};
}

StartPosition ApplyStartPositionRules(int32_t x, int32_t y, StartPosition held) {
    const StartPosition typed = ApplyStartPositionRules(x, y);
    return {x == held.x ? x : typed.x, y == held.y ? y : typed.y};
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
