#include "browser/StageListProc.h"

#include <commctrl.h>

#include "Commands.h"
#include "Display.h"
#include "Editor.h"
#include "Globals.h"
#include "browser/StageListWindow.h"
#include "resource.h"

namespace {

// Long enough to gather the writes and the rename of one save into one listing.
constexpr UINT kRelistDelayMs = 200;
// The least client area in which every control keeps some room.
constexpr LONG kMinWidth = 360;
constexpr LONG kMinHeight = 240;

StageListWindow* StageListOf(HWND window) {
    return editor != nullptr ? WindowWithHandle(editor->stageList, window) : nullptr;
}

void OnCommand(StageListWindow& stages, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK: stages.OpenSelected(); break;
    case IDCANCEL: stages.Hide(); break;
    case IDC_STAGE_LIST_FOLDER_BUTTON:
        if (HIWORD(wParam) == BN_CLICKED) stages.ChooseFolder();
        break;
    case IDC_STAGE_LIST_FILTER:
        if (HIWORD(wParam) == EN_CHANGE) stages.ApplyFilter();
        break;
    default: break;
    }
}

void OnNotify(StageListWindow& stages, const NMHDR& header, LPARAM lParam) {
    if (header.idFrom != IDC_STAGE_LIST_VIEW) return;
    switch (header.code) {
    case LVN_COLUMNCLICK: stages.SortByColumn(reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem); break;
    case NM_DBLCLK: stages.OpenRow(reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem); break;
    default: break;
    }
}

}  // namespace

INT_PTR CALLBACK StageListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    StageListWindow* stages = StageListOf(window);
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_CLOSE:
        if (stages != nullptr) stages->Hide();
        return TRUE;
    case WM_SIZE:
        if (stages != nullptr) stages->Layout();
        return TRUE;
    case WM_GETMINMAXINFO: {
        RECT outer{0, 0, kMinWidth, kMinHeight};
        AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{outer.right - outer.left, outer.bottom - outer.top};
        return TRUE;
    }
    case WM_COMMAND:
        if (stages != nullptr) OnCommand(*stages, wParam);
        ShowChanges();
        return TRUE;
    case WM_NOTIFY:
        if (stages != nullptr) OnNotify(*stages, *reinterpret_cast<const NMHDR*>(lParam), lParam);
        ShowChanges();
        return TRUE;
    case kStageFolderChanged:
        SetTimer(window, kStageRelistTimer, kRelistDelayMs, nullptr);
        return TRUE;
    case WM_TIMER:
        if (wParam != kStageRelistTimer) return 0;
        KillTimer(window, kStageRelistTimer);
        if (stages != nullptr && IsWindowVisible(window)) stages->Relist();
        return TRUE;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return ForwardDialogKeyMessage(message, wParam);
    default: return 0;
    }
}
