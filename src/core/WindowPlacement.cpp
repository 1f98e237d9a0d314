#include "core/WindowPlacement.h"

#include <algorithm>

namespace {

// `wanted`, moved back so that [start, start + size) ends by `end`, but never before `begin`.
int32_t FitWithin(int32_t wanted, int32_t size, int32_t begin, int32_t end) {
    const int64_t latest = int64_t{end} - size;
    return static_cast<int32_t>(std::max<int64_t>(std::min<int64_t>(wanted, latest), begin));
}

}  // namespace

ScreenPoint PlaceBeside(int32_t besideX, int32_t topY, int32_t outerWidth, int32_t outerHeight,
                        const ScreenRect& workArea) {
    return ScreenPoint{FitWithin(besideX, outerWidth, workArea.left, workArea.right),
                       FitWithin(topY, outerHeight, workArea.top, workArea.bottom)};
}
