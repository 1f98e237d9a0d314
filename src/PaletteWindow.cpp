#include "PaletteWindow.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "core/ChipFile.h"
#include "core/ChipTable.h"
#include "Editor.h"
#include "ErrorBox.h"
#include "Globals.h"
#include "WideText.h"
#include "core/Texts.h"
#include "render/core/PaletteCompose.h"
#include "resource.h"

PaletteWindow::PaletteWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure,
                             Texture* sheet, uint32_t cellArgument, const char* chipFile)
    : parentWindow(owner),
      dialogProc(procedure),
      chipSheet(sheet),
      model(cellArgument),
      chipFilePath(chipFile) {
    instance = moduleInstance;
}

PaletteWindow::~PaletteWindow() { delete workSurface; }

const PaletteModel& ModelOf(const PaletteWindow* palette) {
    return palette != nullptr ? palette->model : EmptyPaletteModel();
}

bool PaletteWindow::Initialize() { return true; }

// A palette is initialised once; a second call refuses rather than leak or free twice.
bool PaletteWindow::AlreadyInitialised() const {
    return handle != nullptr || workSurface != nullptr || model.EntryCount() != 0;
}

bool PaletteWindow::MakeWorkSurface() {
    workSurface = new Texture(chipSheet->width, chipSheet->height);
    return workSurface->HasSurface();
}

bool PaletteWindow::CreateFromTable(const uint32_t* table, uint32_t count, const char* title,
                                    int32_t x, int32_t y) {
    if (AlreadyInitialised() || table == nullptr || count == 0) return false;
    model.paletteSize = table[0];
    if (!model.SheetFits(chipSheet->width, chipSheet->height)) return false;
    // Codes past the end of the table count as 0 instead of being read from beyond it.
    if (!model.BuildEntries(table + 1, count - 1) || !MakeWorkSurface()) return false;
    return CreateAndShowDialog(title, x, y);
}

bool PaletteWindow::Create(const char* title, int32_t x, int32_t y) {
    if (AlreadyInitialised()) return false;
    std::string text;
    // A missing chip file is no failure: the palette shows, without entries.
    if (ReadChipFile(chipFilePath, text)) {
        const ChipFileContents contents = ParseChipFile(text);
        if (contents.hasPaletteSize) model.paletteSize = contents.paletteSize;
        if (!model.SideFits(chipSheet->width)) {
            const std::string message = SheetSizeMessage(chipSheet->width, chipSheet->height);
            ShowErrorBox(parentWindow, message.c_str());
            return false;
        }
        if (!model.SideFits(chipSheet->height)) {
            ShowErrorBox(parentWindow, texts::kSheetHeightError);
            return false;
        }
        if (!model.BuildEntries(contents.codes.data(), contents.codes.size()) || !MakeWorkSurface())
            return false;
    }
    return CreateAndShowDialog(title, x, y);
}

bool PaletteWindow::CreateAndShowDialog(const char* title, int32_t x, int32_t y) {
    handle = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PALETTE), parentWindow, dialogProc, 0);
    if (handle == nullptr) return false;
    SetWindowTextW(handle, WideFromSjis(title).c_str());
    const int32_t side = static_cast<int32_t>(model.paletteSize);
    PlaceWindow(x, y, side, side);
    SetActiveWindow(parentWindow);
    ShowWindow(handle, SW_SHOWNORMAL);
    UpdateWindow(handle);
    return true;
}

// The outer size comes from the dialog's own styles and the system's frame metrics, so the
// client area is the size asked for at any DPI and with any frame.
void PaletteWindow::PlaceWindow(int32_t x, int32_t y, int32_t clientWidth, int32_t clientHeight) {
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_EXSTYLE)));
    SetWindowPos(handle, nullptr, x, y, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_SHOWWINDOW);
    placed = true;
    UpdateWindow(handle);
}

void PaletteWindow::Draw() {
    if (handle == nullptr) return;
    if (editor != nullptr && editor->redrawTrace != nullptr)
        editor->redrawTrace(this == smallPalette ? "small" : "large");
    HDC windowDC = GetDC(handle);
    if (workSurface == nullptr || !workSurface->HasSurface() || model.EntryCount() == 0) {
        // Nothing to show without entries (a chip file that was missing): a black area.
        RECT client;
        GetClientRect(handle, &client);
        FillRect(windowDC, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(handle, windowDC);
        return;
    }
    GdiFlush();
    if (!ComposePalette(*workSurface, *chipSheet)) {
        std::printf("%s%s%d%s\n", texts::kClipErrorPrefix, texts::kPaletteSourcePath,
                    texts::kPaletteSourceLine, texts::kClipFailed);
        std::fflush(stdout);
    }
    if (model.active) {
        const SelectionFrame frame = model.FrameCorners(chipSheet->width, chipSheet->height);
        DrawLine(*workSurface, frame.x1, frame.y1, frame.x2, frame.y1, 4, 0, 255, 0);
        DrawLine(*workSurface, frame.x1, frame.y1, frame.x1, frame.y2, 4, 0, 255, 0);
        DrawLine(*workSurface, frame.x2, frame.y1, frame.x2, frame.y2, 4, 0, 255, 0);
        DrawLine(*workSurface, frame.x1, frame.y2, frame.x2, frame.y2, 4, 0, 255, 0);
    }
    // The random brush's other chips in hand, framed alike.
    if (editor != nullptr && model.active) {
        for (const ChipEntry& chip : editor->hand.RandomChips()) {
            if ((chip.layer == 2) != (this == largePalette)) continue;
            const int32_t x1 = static_cast<int32_t>(chip.srcX), y1 = static_cast<int32_t>(chip.srcY);
            const int32_t side = static_cast<int32_t>(model.cellSize * 2);
            DrawLine(*workSurface, x1, y1, x1 + side, y1, 4, 0, 255, 0);
            DrawLine(*workSurface, x1, y1, x1, y1 + side, 4, 0, 255, 0);
            DrawLine(*workSurface, x1 + side, y1, x1 + side, y1 + side, 4, 0, 255, 0);
            DrawLine(*workSurface, x1, y1 + side, x1 + side, y1 + side, 4, 0, 255, 0);
        }
    }
    const int sheetWidth = chipSheet->width;
    const int sheetHeight = chipSheet->height;
    StretchBlt(windowDC, 0, 0, sheetWidth / 2, sheetHeight / 2, workSurface->memoryDC, 0, 0,
               sheetWidth, sheetHeight, SRCCOPY);
    ReleaseDC(handle, windowDC);
}

bool PaletteWindow::Pick(POINT point) {
    ChipEntry picked;
    if (!model.Pick(point.x, point.y, picked)) return false;
    CurrentChip = picked;
    std::printf("%s%u %u %u %u\n", texts::kPickLinePrefix, picked.chipId, picked.srcX, picked.srcY,
                picked.layer);
    std::fflush(stdout);
    return true;
}

// The whole client area is one tool, so the text is the only thing that changes; the tooltip
// sees the mouse through its own subclass of the palette.
void PaletteWindow::AddTooltip() {
    if (handle == nullptr || tooltip != nullptr) return;
    tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle, nullptr,
                              instance, nullptr);
    if (tooltip == nullptr) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof(TOOLINFOW);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = handle;
    tool.uId = reinterpret_cast<UINT_PTR>(handle);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void PaletteWindow::FollowPointer(POINT point) {
    if (tooltip == nullptr) return;
    const ChipEntry* entry = model.EntryAt(point.x, point.y);
    const std::wstring wanted = entry != nullptr ? WideFromSjis(ChipTipText(*entry)) : std::wstring();
    if (wanted == tipText) return;
    tipText = wanted;
    TOOLINFOW tool{};
    tool.cbSize = sizeof(TOOLINFOW);
    tool.hwnd = handle;
    tool.uId = reinterpret_cast<UINT_PTR>(handle);
    tool.lpszText = const_cast<wchar_t*>(tipText.c_str());
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}
