#include "core/WindowPlacement.h"

#include <algorithm>

namespace {

// `wanted`, moved back so that [start, start + size) ends by `end`, but never before `begin`.
int32_t FitWithin(int64_t wanted, int32_t size, int32_t begin, int32_t end) {
    const int64_t latest = int64_t{end} - size;
    return static_cast<int32_t>(std::max<int64_t>(std::min<int64_t>(wanted, latest), begin));
}

// A top-left corner tried, before it is moved inside the work area.
struct CandidateSpot {
    int64_t x, y;
};

ScreenRect Around(const std::vector<ScreenRect>& rects) {
    ScreenRect all = rects.front();
    for (const ScreenRect& rect : rects) {
        all.left = std::min(all.left, rect.left);
        all.top = std::min(all.top, rect.top);
        all.right = std::max(all.right, rect.right);
        all.bottom = std::max(all.bottom, rect.bottom);
    }
    return all;
}

}  // namespace

ScreenPoint PlaceBeside(int32_t besideX, int32_t topY, int32_t outerWidth, int32_t outerHeight,
                        const ScreenRect& workArea) {
    return ScreenPoint{FitWithin(besideX, outerWidth, workArea.left, workArea.right),
                       FitWithin(topY, outerHeight, workArea.top, workArea.bottom)};
}

int64_t SharedArea(const ScreenRect& a, const ScreenRect& b) {
    const int64_t width = int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    const int64_t height = int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

ScreenPoint PlaceClearOf(ScreenPoint preferred, int32_t outerWidth, int32_t outerHeight,
                         const std::vector<ScreenRect>& others, const ScreenRect& workArea) {
    const int64_t w = outerWidth, h = outerHeight;
    std::vector<CandidateSpot> spots{{preferred.x, preferred.y}};
    std::vector<ScreenRect> sides;
    if (!others.empty()) sides.push_back(Around(others));
    sides.insert(sides.end(), others.begin(), others.end());
    for (const ScreenRect& r : sides) {
        const int64_t right = r.right, left = int64_t{r.left} - w, below = r.bottom, above = int64_t{r.top} - h;
        spots.insert(spots.end(), {{right, r.top}, {left, r.top}, {r.left, below}, {r.left, above},
                                   {right, r.bottom - h}, {left, r.bottom - h}, {r.right - w, below}, {r.right - w, above}});
    }
    const ScreenRect& area = workArea;
    spots.insert(spots.end(), {{area.left, area.top}, {area.right - w, area.top}, {area.left, area.bottom - h},
                               {area.right - w, area.bottom - h}});

    ScreenPoint best;
    int64_t leastCovered = -1;
    for (const CandidateSpot& candidate : spots) {
        const ScreenPoint spot{FitWithin(candidate.x, outerWidth, workArea.left, workArea.right),
                               FitWithin(candidate.y, outerHeight, workArea.top, workArea.bottom)};
        const ScreenRect there{spot.x, spot.y, static_cast<int32_t>(std::min<int64_t>(spot.x + w, INT32_MAX)),
                               static_cast<int32_t>(std::min<int64_t>(spot.y + h, INT32_MAX))};
        int64_t covered = 0;
        for (const ScreenRect& other : others) covered += SharedArea(there, other);
        if (leastCovered < 0 || covered < leastCovered) {
            best = spot;
            leastCovered = covered;
        }
        if (covered == 0) break;
    }
    return best;
}

bool FitsOnAScreen(const ScreenRect& window, const std::vector<ScreenRect>& workAreas) {
    return std::any_of(workAreas.begin(), workAreas.end(), [&](const ScreenRect& area) {
        return window.left >= area.left && window.top >= area.top && window.right <= area.right &&
               window.bottom <= area.bottom;
    });
}
