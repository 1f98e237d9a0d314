#include "OverviewWindow.h"

#include <algorithm>

#include "Editor.h"
#include "Globals.h"
#include "PaletteWindow.h"
#include "WideText.h"
#include "WindowSpots.h"
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

// Right of both palettes with its top level with the small palette's, where that covers
// neither them nor the main window; on a screen without room there, the spot beside them that
// covers the least of the editor's windows (FirstPlaceOf).
void OverviewWindow::PlaceBesideThePalettes() {
    RECT anchor{0, 0, 0, 0};
    HWND top = ownerWindow;
    if (smallPalette != nullptr && smallPalette->handle != nullptr) top = smallPalette->handle;
    GetWindowRect(top, &anchor);
    LONG besideX = anchor.right;
    for (const PaletteWindow* palette : {smallPalette, largePalette}) {
        RECT rect;
        if (palette != nullptr && palette->handle != nullptr && GetWindowRect(palette->handle, &rect))
            besideX = std::max(besideX, rect.right);
    }
    const SIZE outer = OuterSize(ClientSize());
    const ScreenPoint spot = FirstPlaceOf(handle, ScreenPoint{besideX, anchor.top}, outer, WorkAreaNear(top));
    SetWindowPos(handle, nullptr, spot.x, spot.y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A map of another size gives a picture of another size: the window follows it, keeping
// its top-left corner where its screen's work area has room for it; otherwise it moves back
// onto the screen as far as it must (PlaceBeside), as a first place low on a small screen needs.
void OverviewWindow::FitToPicture() {
    RECT client, outerNow;
    GetClientRect(handle, &client);
    const SIZE wanted = ClientSize();
    if (client.right == wanted.cx && client.bottom == wanted.cy) return;
    const SIZE outer = OuterSize(wanted);
    GetWindowRect(handle, &outerNow);
    const ScreenPoint spot = PlaceBeside(outerNow.left, outerNow.top, outer.cx, outer.cy, WorkAreaNear(handle));
    SetWindowPos(handle, nullptr, spot.x, spot.y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void OverviewWindow::Show(const Stage& stage) {
    if (handle == nullptr) return;
    scale = OverviewScaleFor(stage.Map().CellCounts());
    if (!placed) PlaceBesideThePalettes();
    placed = true;
    ShowWindow(handle, SW_SHOWNOACTIVATE);
    Refresh(stage);
}

void OverviewWindow::Refresh(const Stage& stage) {
    if (handle == nullptr || editor == nullptr || !IsWindowVisible(handle)) return;
    if (picture == nullptr || !picture->HasSurface()) return;
    const MapModel& map = stage.Map();
    scale = OverviewScaleFor(map.CellCounts());
    if (!sheets.Prepare(*smallSheet, *largeSheet, *backdrop, SheetCellPixels(scale))) return;
    GdiFlush();  // nothing GDI drew may still be pending on the pixels composed below
    ComposeOverview(*picture, sheets, scale, map, editor->shownLayers);
    const ConflictMarks& conflicts = stage.Conflicts();
    if (conflicts.OpenCount() > 0) DrawOverviewConflictMarks(*picture, conflicts.OpenCells(map.CellCounts()), scale);
    DrawViewFrame(*picture, OverviewViewFrame(scale, scrollX, scrollY, editor->zoom));
    const StageSettings& settings = stage.Settings();
    if (!settings.startUnspecified)
        DrawStartMarker(*picture, OverviewStartMarker(scale, settings.startX, settings.startY));
    FitToPicture();
    HDC windowDC = GetDC(handle);
    Draw(windowDC);
    ReleaseDC(handle, windowDC);
    UpdateCaption(map);
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

ViewOffsets OverviewWindow::OffsetsCentredAt(const MapModel& map, int32_t x, int32_t y) const {
    const OverviewScale current = OverviewScaleFor(map.CellCounts());
    if (current.width <= 0 || current.height <= 0) return ViewOffsets{scrollX, scrollY};
    return CentreViewOn(current.MapPointAt(x, y), map.CellCounts(), editor != nullptr ? editor->zoom : kFullZoom);
}

void OverviewWindow::UpdateCaption(const MapModel& map) {
    if (handle == nullptr || editor == nullptr || !IsWindowVisible(handle)) return;
    const POINT pointer = editor->lastPointer;
    const std::wstring wanted = WideFromSjis(
        OverviewCaption(map, scrollX, scrollY, editor->pointerSeen, pointer.x, pointer.y, editor->zoom));
    if (wanted == caption) return;
    caption = wanted;
    SetWindowTextW(handle, caption.c_str());
}
