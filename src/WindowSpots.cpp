#include "WindowSpots.h"

#include <algorithm>

namespace {

struct OwnedWindows {
    HWND owner;
    HWND except;
    std::vector<ScreenRect> rects;
};

BOOL CALLBACK NoteShownOwnedWindow(HWND window, LPARAM found) {
    OwnedWindows& owned = *reinterpret_cast<OwnedWindows*>(found);
    RECT rect;
    if (window != owned.except && GetWindow(window, GW_OWNER) == owned.owner && IsWindowVisible(window) &&
        GetWindowRect(window, &rect))
        owned.rects.push_back(ScreenRectOf(rect));
    return TRUE;
}

BOOL CALLBACK NoteWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    MONITORINFO info;
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<ScreenRect>*>(found)->push_back(ScreenRectOf(info.rcWork));
    return TRUE;
}

}  // namespace

ScreenRect ScreenRectOf(const RECT& rect) { return ScreenRect{rect.left, rect.top, rect.right, rect.bottom}; }

ScreenRect WorkAreaNear(HWND window) {
    MONITORINFO info;
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return ScreenRectOf(info.rcWork);
}

std::vector<ScreenRect> AllWorkAreas() {
    std::vector<ScreenRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, NoteWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

ScreenPoint FirstPlaceOf(HWND window, ScreenPoint preferred, SIZE outer, const ScreenRect& workArea) {
    OwnedWindows owned{GetWindow(window, GW_OWNER), window, {}};
    EnumThreadWindows(GetCurrentThreadId(), NoteShownOwnedWindow, reinterpret_cast<LPARAM>(&owned));
    // In the order they stand on the screen, not the order they were last activated, so that the
    // same windows give the same spot.
    std::sort(owned.rects.begin(), owned.rects.end(), [](const ScreenRect& a, const ScreenRect& b) {
        return a.left != b.left ? a.left < b.left : a.top < b.top;
    });
    RECT ownerRect;
    if (owned.owner != nullptr && GetWindowRect(owned.owner, &ownerRect))
        owned.rects.insert(owned.rects.begin(), ScreenRectOf(ownerRect));
    return PlaceClearOf(preferred, outer.cx, outer.cy, owned.rects, workArea);
}

void MoveToFirstPlaceBy(HWND window, HWND anchor, ScreenPoint (*corner)(const RECT& anchorRect)) {
    RECT anchorRect, own;
    if (!GetWindowRect(anchor, &anchorRect) || !GetWindowRect(window, &own)) return;
    const SIZE outer{own.right - own.left, own.bottom - own.top};
    const ScreenPoint spot = FirstPlaceOf(window, corner(anchorRect), outer, WorkAreaNear(anchor));
    SetWindowPos(window, nullptr, spot.x, spot.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
