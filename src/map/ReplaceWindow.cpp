#include "map/ReplaceWindow.h"

#include <string>

#include "Display.h"
#include "Editor.h"
#include "ErrorBox.h"
#include "Globals.h"
#include "MainWindow.h"
#include "WideText.h"
#include "core/Texts.h"
#include "map/core/ChipReplace.h"
#include "render/Texture.h"
#include "resource.h"

namespace {

constexpr int kFieldButtons[2] = {IDC_REPLACE_FROM, IDC_REPLACE_TO};
constexpr int kChipPictures[2] = {IDC_REPLACE_FROM_CHIP, IDC_REPLACE_TO_CHIP};
constexpr int kChipCodes[2] = {IDC_REPLACE_FROM_CODE, IDC_REPLACE_TO_CODE};

// The chip code the palettes and the map tool name a chip by: chip id + 1000 x layer.
std::wstring FieldText(bool chosen, const ChipEntry& chip) {
    if (!chosen) return WideFromSjis(texts::kNoChipChosen);
    if (chip.chipId == 0) return WideFromSjis(texts::kEraserName);
    const uint32_t layer = chip.layer > 2 ? 0 : chip.layer;
    return WideFromSjis(texts::kChipCodeLabel) + L" " + std::to_wstring(chip.chipId + 1000 * layer);
}

void ShowFields(HWND dialog) {
    const ReplaceFields& fields = editor->replaceFields;
    for (int i = 0; i < 2; ++i) {
        SetDlgItemTextW(dialog, kChipCodes[i], FieldText(fields.chosen[i], fields.chips[i]).c_str());
        CheckDlgButton(dialog, kFieldButtons[i], fields.active == i ? BST_CHECKED : BST_UNCHECKED);
        InvalidateRect(GetDlgItem(dialog, kChipPictures[i]), nullptr, TRUE);
    }
}

// The field's chip scaled into its picture control, from the sheet of its layer.
void DrawFieldChip(const DRAWITEMSTRUCT& item) {
    const int field = item.CtlID == IDC_REPLACE_TO_CHIP ? 1 : 0;
    const RECT& box = item.rcItem;
    FillRect(item.hDC, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(item.hDC, &box, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    const ReplaceFields& fields = editor->replaceFields;
    const ChipEntry& chip = fields.chips[field];
    if (!fields.chosen[field] || chip.chipId == 0 || chip.layer > 2) return;
    const Texture* sheet = chip.layer == 2 ? editor->largeSheet : editor->smallSheet;
    if (sheet == nullptr || sheet->memoryDC == nullptr) return;
    const int size = chip.layer == 2 ? 2 * kCellSize : kCellSize;
    SetStretchBltMode(item.hDC, COLORONCOLOR);
    StretchBlt(item.hDC, box.left + 1, box.top + 1, box.right - box.left - 2, box.bottom - box.top - 2,
               sheet->memoryDC, static_cast<int>(chip.srcX), static_cast<int>(chip.srcY), size, size, SRCCOPY);
}

// OK: the replacement in the selection or the whole map, leaving cells of hidden layers as they
// are, then how many cells changed (0 makes no undo step).
void ReplaceInStage(HWND dialog) {
    const ReplaceFields& fields = editor->replaceFields;
    if (!fields.Ready()) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    const CellRect area = editor->tools.HasSelection() ? editor->tools.Selection() : kEveryCell;
    const ChipReplacement replaced =
        ReplaceWritableChipWrites(mainWindow->map, fields.chips[0], fields.chips[1], area, editor->shownLayers);
    if (!replaced.writes.empty()) mainWindow->stage.WriteCells(replaced.writes);
    ShowWindow(dialog, SW_HIDE);
    ShowChanges();
    const std::wstring told = FilledMessage(texts::kReplacedCellsFormat, {std::to_wstring(replaced.cellsChanged)});
    MessageBoxW(mainWindow->handle, told.c_str(), WideFromSjis(texts::kReplaceTitle).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

// The first time just below the main window, where it covers none of the map, or over the
// main window's lower right corner when the screen has no room below it.
void PlaceBelowMainWindow(HWND dialog) {
    RECT main, own;
    if (!GetWindowRect(mainWindow->handle, &main) || !GetWindowRect(dialog, &own)) return;
    MONITORINFO monitor;
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(mainWindow->handle, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const LONG height = own.bottom - own.top;
    const bool roomBelow = main.bottom + height <= monitor.rcWork.bottom;
    const LONG x = roomBelow ? main.left : main.right - (own.right - own.left) - 16;
    const LONG y = roomBelow ? main.bottom : main.bottom - height - 16;
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void ShowReplaceWindow() {
    if (editor == nullptr || mainWindow == nullptr || mainWindow->handle == nullptr) return;
    if (editor->replaceWindow == nullptr || !IsWindow(editor->replaceWindow)) {
        editor->replaceWindow = CreateDialogParamW(instanceHandle, MAKEINTRESOURCEW(IDD_REPLACE), mainWindow->handle,
                                                   ReplaceProc, 0);
        if (editor->replaceWindow == nullptr) return;
        PlaceBelowMainWindow(editor->replaceWindow);
    }
    editor->replaceFields.active = 0;
    ShowFields(editor->replaceWindow);
    ShowWindow(editor->replaceWindow, SW_SHOW);
}

INT_PTR CALLBACK ReplaceProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (editor == nullptr || mainWindow == nullptr) return FALSE;
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_DRAWITEM: DrawFieldChip(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_REPLACE_FROM:
        case IDC_REPLACE_TO:
            editor->replaceFields.active = LOWORD(wParam) == IDC_REPLACE_TO ? 1 : 0;
            ShowFields(dialog);
            return TRUE;
        case IDOK:
        case IDC_REPLACE_OK: ReplaceInStage(dialog); return TRUE;
        case IDCANCEL:
        case IDC_REPLACE_CANCEL: ShowWindow(dialog, SW_HIDE); return TRUE;
        default: return FALSE;
        }
    case kFillReplaceFieldMessage:
        if (IsWindowVisible(dialog)) {
            editor->replaceFields.Fill(CurrentChip);
            ShowFields(dialog);
        }
        return TRUE;
    case WM_CLOSE: ShowWindow(dialog, SW_HIDE); return TRUE;
    default: return FALSE;
    }
}
