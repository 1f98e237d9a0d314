#include "TerrainWindow.h"

#include <algorithm>
#include <string>

#include "Editor.h"
#include "ErrorBox.h"
#include "Globals.h"
#include "PaletteWindow.h"
#include "WideText.h"
#include "WindowSpots.h"
#include "core/Texts.h"
#include "resource.h"

namespace {

constexpr int32_t kClientWidth = 200;
constexpr int32_t kRowHeight = 44;     // a 40-pixel chip with a margin
constexpr int32_t kStatusHeight = 24;  // the line under the sets
constexpr int32_t kTextLeft = 52;

}  // namespace

TerrainWindow::TerrainWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure, Texture* small)
    : ownerWindow(owner), dialogProc(procedure), smallSheet(small) {
    instance = moduleInstance;
}

bool TerrainWindow::Create(const char* title, int32_t, int32_t) {
    handle = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PALETTE), ownerWindow, dialogProc, 0);
    if (handle == nullptr) return false;
    SetWindowTextW(handle, WideFromSjis(title).c_str());
    SetActiveWindow(ownerWindow);
    return true;
}

int32_t TerrainWindow::Rows() const {
    return editor == nullptr ? 1 : std::max<int32_t>(1, static_cast<int32_t>(editor->terrains.Count()));
}

void TerrainWindow::FitToRows() {
    RECT outer{0, 0, kClientWidth, Rows() * kRowHeight + kStatusHeight};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_EXSTYLE)));
    SetWindowPos(handle, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TerrainWindow::Show() {
    if (handle == nullptr) return;
    FitToRows();
    if (!placed && largePalette != nullptr && largePalette->handle != nullptr) {
        MoveToFirstPlaceBy(handle, largePalette->handle, [](const RECT& r) { return ScreenPoint{r.right, r.top}; });
    }
    placed = true;
    ShowWindow(handle, SW_SHOWNOACTIVATE);
    Refresh();
}

void TerrainWindow::Refresh() {
    if (handle == nullptr || !IsWindowVisible(handle)) return;
    HDC windowDC = GetDC(handle);
    Draw(windowDC);
    ReleaseDC(handle, windowDC);
}

int TerrainWindow::SetAt(int32_t y) const {
    if (editor == nullptr || y < 0) return -1;
    const int32_t row = y / kRowHeight;
    return static_cast<size_t>(row) < editor->terrains.Count() ? row : -1;
}

void TerrainWindow::Draw(HDC windowDC) {
    if (editor == nullptr) return;
    RECT client;
    GetClientRect(handle, &client);
    FillRect(windowDC, &client, GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ oldFont = SelectObject(windowDC, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(windowDC, TRANSPARENT);
    const ChipHand& hand = editor->hand;
    GdiFlush();
    for (size_t i = 0; i < editor->terrains.Count(); ++i) {
        const TerrainSet& set = editor->terrains.Set(i);
        const int32_t top = static_cast<int32_t>(i) * kRowHeight;
        RECT row{0, top, client.right, top + kRowHeight};
        const bool chosen = static_cast<int>(i) == hand.ChosenTerrain();
        if (chosen) FillRect(windowDC, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
        // The set in hand has a frame too, as a palette frames the chip in hand.
        if (chosen && hand.TerrainInHand()) FrameRect(windowDC, &row, GetSysColorBrush(COLOR_WINDOWTEXT));
        const ChipEntry& chip = set.FullChip().chip;
        if (smallSheet != nullptr && smallSheet->HasSurface())
            BitBlt(windowDC, 4, top + 2, 40, 40, smallSheet->memoryDC, static_cast<int>(chip.srcX),
                   static_cast<int>(chip.srcY), SRCCOPY);
        SetTextColor(windowDC, GetSysColor(chosen ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        const std::wstring name = WideFromUtf8(set.name);
        RECT text{kTextLeft, top, client.right - 4, top + kRowHeight};
        DrawTextW(windowDC, name.c_str(), static_cast<int>(name.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    std::wstring status;
    if (!editor->terrainsRefused.empty()) {
        status = WideFromSjis(texts::kTerrainsRefused);
    } else if (editor->terrains.Empty()) {
        status = WideFromSjis(texts::kNoTerrains);
    } else if (editor->terrainSubstitutes >= 0) {
        status = FilledMessage(texts::kTerrainSubstitutes, {std::to_wstring(editor->terrainSubstitutes)});
    }
    SetTextColor(windowDC, GetSysColor(COLOR_WINDOWTEXT));
    RECT line{4, client.bottom - kStatusHeight, client.right - 4, client.bottom};
    DrawTextW(windowDC, status.c_str(), static_cast<int>(status.size()), &line,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(windowDC, oldFont);
}
