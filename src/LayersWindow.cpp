#include "LayersWindow.h"

#include <string>

#include "Editor.h"
#include "ErrorBox.h"
#include "Globals.h"
#include "PaletteWindow.h"
#include "WideText.h"
#include "WindowSpots.h"
#include "core/Texts.h"
#include "render/core/OverviewCaption.h"
#include "resource.h"

namespace {

constexpr int32_t kPanelWidth = 300;
constexpr int32_t kPanelRowHeight = 18;
// The header, the three layers, the pointer's cell and the note.
constexpr int32_t kPanelRows = 6;
constexpr int32_t kFirstLayerRow = 1;
// The columns: the eye, the lock, the layer's name, its cells, the chip in hand's mark.
constexpr RECT kEyeColumn{0, 0, 36, 0};
constexpr RECT kLockColumn{36, 0, 72, 0};
constexpr RECT kLayerNameColumn{76, 0, 200, 0};
constexpr RECT kCellsColumn{200, 0, 250, 0};
constexpr RECT kHandColumn{252, 0, 300, 0};

RECT ColumnInRow(RECT column, int32_t row) {
    column.top = row * kPanelRowHeight;
    column.bottom = column.top + kPanelRowHeight;
    return column;
}

bool InColumn(const RECT& column, int32_t x) { return x >= column.left && x < column.right; }

void PanelText(HDC dc, const std::wstring& text, RECT where, UINT align) {
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &where,
              align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

// A check box's picture, centred in its column.
void PanelBox(HDC dc, RECT column, bool checked) {
    const LONG middleX = (column.left + column.right) / 2, middleY = (column.top + column.bottom) / 2;
    RECT box{middleX - 7, middleY - 7, middleX + 7, middleY + 7};
    DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
}

// The layers the chip in hand is laid into: its own, or all three for the eraser.
bool HandGoesTo(int layer) {
    const ChipEntry chip = editor->hand.ChipToLay(CurrentChip);
    return chip.chipId == 0 || static_cast<int>(chip.layer) == layer;
}

}  // namespace

LayersWindow::LayersWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure)
    : ownerWindow(owner), dialogProc(procedure) {
    instance = moduleInstance;
}

bool LayersWindow::Create(const char* title, int32_t, int32_t) {
    handle = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PALETTE), ownerWindow, dialogProc, 0);
    if (handle == nullptr) return false;
    SetWindowTextW(handle, WideFromSjis(title).c_str());
    RECT outer{0, 0, kPanelWidth, kPanelRows * kPanelRowHeight};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_EXSTYLE)));
    SetWindowPos(handle, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetActiveWindow(ownerWindow);
    return true;
}

bool LayersWindow::Shown() const { return handle != nullptr && IsWindowVisible(handle); }

void LayersWindow::Show(const Stage& stage) {
    if (handle == nullptr) return;
    if (!placed && largePalette != nullptr && largePalette->handle != nullptr) {
        MoveToFirstPlaceBy(handle, largePalette->handle, [](const RECT& r) { return ScreenPoint{r.left, r.bottom}; });
    }
    placed = true;
    ShowWindow(handle, SW_SHOWNOACTIVATE);
    Refresh(stage);
}

void LayersWindow::CountIfStale(const Stage& stage) {
    if (!countsStale) return;
    counts = CountLayerChips(stage.Map());
    countedState = stage.StateId();
    countsStale = false;
}

void LayersWindow::FollowWrites(const MapModel& map, const CellWrites& writes) {
    if (!countsStale) CountWrittenChips(map, writes, counts);
}

void LayersWindow::FollowedTo(uint64_t stateId) {
    if (!countsStale) countedState = stateId;
}

void LayersWindow::Refresh(const Stage& stage) {
    if (!Shown()) return;
    HDC windowDC = GetDC(handle);
    Draw(windowDC, stage);
    ReleaseDC(handle, windowDC);
}

LayersWindow::Hit LayersWindow::HitAt(int32_t x, int32_t y) const {
    Hit hit;
    const int layer = y < 0 ? -1 : y / kPanelRowHeight - kFirstLayerRow;
    if (layer < 0 || layer > 2) return hit;
    if (InColumn(kEyeColumn, x) || InColumn(kLockColumn, x)) hit.layer = layer;
    hit.lock = InColumn(kLockColumn, x);
    return hit;
}

void LayersWindow::Draw(HDC windowDC, const Stage& stage) {
    if (editor == nullptr) return;
    CountIfStale(stage);
    RECT client;
    GetClientRect(handle, &client);
    FillRect(windowDC, &client, GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ oldFont = SelectObject(windowDC, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(windowDC, TRANSPARENT);
    SetTextColor(windowDC, GetSysColor(COLOR_WINDOWTEXT));
    PanelText(windowDC, WideFromSjis(texts::kLayersEyeHeader), ColumnInRow(kEyeColumn, 0), DT_CENTER);
    PanelText(windowDC, WideFromSjis(texts::kLayersLockHeader), ColumnInRow(kLockColumn, 0), DT_CENTER);
    PanelText(windowDC, WideFromSjis(texts::kLayersCellsHeader), ColumnInRow(kCellsColumn, 0), DT_RIGHT);
    PanelText(windowDC, WideFromSjis(texts::kLayersHandHeader), ColumnInRow(kHandColumn, 0), DT_CENTER);
    const LayerVisibility& layers = editor->shownLayers;
    for (int layer = 0; layer < 3; ++layer) {
        const int32_t row = kFirstLayerRow + layer;
        PanelBox(windowDC, ColumnInRow(kEyeColumn, row), layers.Shows(layer));
        PanelBox(windowDC, ColumnInRow(kLockColumn, row), layers.Locked(layer));
        PanelText(windowDC, WideFromSjis(texts::kLayerNames[layer]), ColumnInRow(kLayerNameColumn, row), DT_LEFT);
        PanelText(windowDC, std::to_wstring(counts.cells[layer]), ColumnInRow(kCellsColumn, row), DT_RIGHT);
        if (HandGoesTo(layer)) {
            const RECT mark = ColumnInRow(kHandColumn, row);
            const LONG x = (mark.left + mark.right) / 2, y = (mark.top + mark.bottom) / 2;
            HGDIOBJ oldBrush = SelectObject(windowDC, GetSysColorBrush(COLOR_HIGHLIGHT));
            Ellipse(windowDC, x - 5, y - 5, x + 5, y + 5);
            SelectObject(windowDC, oldBrush);
        }
    }
    const POINT pointer = editor->lastPointer;
    std::string cell = PointerCellText(stage.Map(), scrollX, scrollY, editor->pointerSeen, pointer.x,
                                       pointer.y, editor->zoom);
    if (!cell.empty() && cell[0] == ' ') cell.erase(0, 1);
    PanelText(windowDC, WideFromSjis(cell.c_str()), RECT{4, 4 * kPanelRowHeight, client.right - 4, 5 * kPanelRowHeight}, DT_LEFT);
    std::wstring note;
    if (editor->layersNote.startRefused) {
        note = WideFromSjis(texts::kLayersStartBeyond);
    } else if (editor->layersNote.covered > 0) {
        note = FilledMessage(texts::kLayersCovered, {std::to_wstring(editor->layersNote.covered)});
    }
    PanelText(windowDC, note, RECT{4, 5 * kPanelRowHeight, client.right - 4, 6 * kPanelRowHeight}, DT_LEFT);
    SelectObject(windowDC, oldFont);
}
