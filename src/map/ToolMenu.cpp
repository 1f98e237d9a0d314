#include "map/ToolMenu.h"

#include <string>

#include "WideText.h"
#include "core/Texts.h"
#include "map/core/tools/ToolTable.h"

void BuildToolMenu(HWND window) {
    HMENU menuBar = GetMenu(window);
    HMENU menu = menuBar != nullptr ? CreatePopupMenu() : nullptr;
    if (menu == nullptr) return;
    const std::wstring title = WideFromSjis(texts::kToolMenuTitle);
    if (!InsertMenuW(menuBar, kToolMenuPosition, MF_BYPOSITION | MF_POPUP | MF_STRING,
                     reinterpret_cast<UINT_PTR>(menu), title.c_str())) {
        DestroyMenu(menu);
        return;
    }
    const std::vector<ToolRow>& rows = ToolRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::wstring text = WideFromSjis(rows[i].menuText) + L"    " + wchar_t(rows[i].key);
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_STATE;
        item.fType = MFT_STRING | MFT_RADIOCHECK;
        item.fState = i == 0 ? MFS_CHECKED : MFS_UNCHECKED;
        item.wID = rows[i].command;
        item.dwTypeData = const_cast<wchar_t*>(text.c_str());
        InsertMenuItemW(menu, static_cast<UINT>(i), TRUE, &item);
    }
    DrawMenuBar(window);
}
