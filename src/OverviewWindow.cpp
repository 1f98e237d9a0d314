#include "OverviewWindow.h"

#include <windowsx.h>

#include <algorithm>

#include "Commands.h"
#include "Globals.h"
#include "MainWindow.h"
#include "PaletteWindow.h"
#include "ViewCommands.h"
#include "WideText.h"
#include "core/WindowPlacement.h"
#include "map/DroppedMaps.h"
#include "render/ShownStage.h"
#include "render/core/OverviewCaption.h"
#include "render/core/OverviewCompose.h"
#include "render/core/ViewCentering.h"
#include "render/core/ViewMarks.h"
#include "resource.h"

namespace {

// Wide enough that the caption with a cell and three chip ids fits beside the close box.
constexpr int32_t kMinClientWidth = 288;
constexpr int32_t kMinClientHeight = 96;

}  // namespace

OverviewWindow::OverviewWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure,
                               Texture* small, Texture* large, Texture* back)
    : ownerWindow(owner),
      dialogProc(procedure),
      smallSheet(small),
      largeSheet(large),
      backdrop(back),
      picture(new Texture(kOverviewMaxSide, kOverviewMaxSide)) {
    instance = moduleInstance;
}

OverviewWindow::~OverviewWindow() { delete picture; }

bool OverviewWindow::Create(const char* title, int32_t, int32_t) {
    handle = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PALETTE), ownerWindow, dialogProc, 0);
    if (handle == nullptr) return false;
    caption = WideFromSjis(title);
    SetWindowTextW(handle, caption.c_str());
    SetActiveWindow(ownerWindow);
    return true;
}

SIZE OverviewWindow::ClientSize() const {
    return SIZE{std::max(scale.width, kMinClientWidth), std::max(scale.height, kMinClientHeight)};
}

// From the dialog's own styles and the system's frame metrics, as the palettes do.
SIZE OverviewWindow::OuterSize(SIZE client) const {
    RECT outer{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_EXSTYLE)));
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

// Right of both palettes with its top level with the small palette's, so that it covers
// neither them nor the main window; on a screen too narrow for that, at its right edge.
void OverviewWindow::PlaceBesideThePalettes() {
    RECT anchor{0, 0, 0, 0};
    HWND top = mainWindow != nullptr ? mainWindow->handle : ownerWindow;
    if (smallPalette != nullptr && smallPalette->handle != nullptr) top = smallPalette->handle;
    GetWindowRect(top, &anchor);
    LONG besideX = anchor.right;
    for (const PaletteWindow* palette : {smallPalette, largePalette}) {
        RECT rect;
        if (palette != nullptr && palette->handle != nullptr && GetWindowRect(palette->handle, &rect))
            besideX = std::max(besideX, rect.right);
    }
    MONITORINFO monitor;
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(top, MONITOR_DEFAULTTONEAREST), &monitor);
    const ScreenRect work{monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom};
    const SIZE outer = OuterSize(ClientSize());
    const ScreenPoint spot = PlaceBeside(besideX, anchor.top, outer.cx, outer.cy, work);
    SetWindowPos(handle, nullptr, spot.x, spot.y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A map of another size gives a picture of another size: the window follows it, keeping
// its top-left corner.
void OverviewWindow::FitToPicture() {
    RECT client;
    GetClientRect(handle, &client);
    const SIZE wanted = ClientSize();
    if (client.right == wanted.cx && client.bottom == wanted.cy) return;
    const SIZE outer = OuterSize(wanted);
    SetWindowPos(handle, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void OverviewWindow::Show() {
    if (handle == nullptr || mainWindow == nullptr) return;
    scale = OverviewScaleFor(ShownMap().CellCounts());
    if (!placed) PlaceBesideThePalettes();
    placed = true;
    ShowWindow(handle, SW_SHOWNOACTIVATE);
    Refresh();
}

void OverviewWindow::Refresh() {
    if (handle == nullptr || mainWindow == nullptr || !IsWindowVisible(handle)) return;
    if (picture == nullptr || !picture->HasSurface()) return;
    const MapModel& map = ShownMap();
    scale = OverviewScaleFor(map.CellCounts());
    if (!sheets.Prepare(*smallSheet, *largeSheet, *backdrop, SheetCellPixels(scale))) return;
    GdiFlush();  // nothing GDI drew may still be pending on the pixels composed below
    ComposeOverview(*picture, sheets, scale, map, shownLayers);
    DrawViewFrame(*picture, OverviewViewFrame(scale, scrollX, scrollY));
    int32_t startX = 0, startY = 0;
    if (ShownStartPosition(startX, startY)) DrawStartMarker(*picture, OverviewStartMarker(scale, startX, startY));
    FitToPicture();
    HDC windowDC = GetDC(handle);
    Draw(windowDC);
    ReleaseDC(handle, windowDC);
    UpdateCaption();
}

void OverviewWindow::Draw(HDC windowDC) {
    RECT client;
    GetClientRect(handle, &client);
    const int32_t width = std::min(scale.width, kOverviewMaxSide);
    const int32_t height = std::min(scale.height, kOverviewMaxSide);
    if (picture != nullptr && picture->HasSurface() && width > 0 && height > 0)
        BitBlt(windowDC, 0, 0, width, height, picture->memoryDC, 0, 0, SRCCOPY);
    HBRUSH grey = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    const RECT right{width, 0, client.right, client.bottom};
    const RECT below{0, height, width, client.bottom};
    if (right.left < right.right && right.top < right.bottom) FillRect(windowDC, &right, grey);
    if (below.top < below.bottom && below.left < below.right) FillRect(windowDC, &below, grey);
}

void OverviewWindow::CentreViewAt(int32_t x, int32_t y) {
    if (mainWindow == nullptr) return;
    const MapModel& map = ShownMap();
    const OverviewScale current = OverviewScaleFor(map.CellCounts());
    if (current.width <= 0 || current.height <= 0) return;
    MoveView(CentreViewOn(current.MapPointAt(x, y), map.CellCounts()));
}

void OverviewWindow::PointerOverView(POINT point) {
    pointerInView = true;
    pointer = point;
    UpdateCaption();
}

void OverviewWindow::PointerLeftView() {
    pointerInView = false;
    UpdateCaption();
}

// Set only when it changes, so that moving within a cell does not redraw the caption.
void OverviewWindow::UpdateCaption() {
    if (handle == nullptr || mainWindow == nullptr || !IsWindowVisible(handle)) return;
    const std::wstring wanted = WideFromSjis(
        OverviewCaption(ShownMap(), scrollX, scrollY, pointerInView, pointer.x, pointer.y));
    if (wanted == caption) return;
    caption = wanted;
    SetWindowTextW(handle, caption.c_str());
}

INT_PTR CALLBACK OverviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC windowDC = BeginPaint(window, &paint);
        if (overviewWindow != nullptr && overviewWindow->handle == window) overviewWindow->Draw(windowDC);
        EndPaint(window, &paint);
        return TRUE;
    }
    case WM_ERASEBKGND:  // Draw covers the whole client area
        SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);  // hidden, never destroyed
        return TRUE;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return ForwardDialogKeyMessage(message, wParam);
    case WM_LBUTTONDOWN:
        SetCapture(window);  // a drag that leaves the window still moves the view
        if (overviewWindow != nullptr) overviewWindow->CentreViewAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return TRUE;
    case WM_MOUSEMOVE:
        if (GetCapture() == window && (wParam & MK_LBUTTON) != 0 && overviewWindow != nullptr)
            overviewWindow->CentreViewAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return TRUE;
    case WM_LBUTTONUP:
        if (GetCapture() == window) ReleaseCapture();
        return TRUE;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        ScrollViewByWheel(message, wParam);
        return TRUE;
    case WM_DROPFILES:  // a map dropped here opens as one dropped on the main window
        OpenDroppedMap(reinterpret_cast<HDROP>(wParam));
        return TRUE;
    default:
        return 0;
    }
}
