#include "map/RecentMaps.h"

#include <windows.h>

#include "Editor.h"
#include "Globals.h"
#include "MainWindow.h"
#include "WideText.h"
#include "core/RecentFiles.h"
#include "map/RecentMapsFile.h"
#include "resource.h"

namespace {

HMENU FileMenu() {
    if (mainWindow == nullptr || mainWindow->handle == nullptr) return nullptr;
    HMENU bar = GetMenu(mainWindow->handle);
    return bar != nullptr ? GetSubMenu(bar, 0) : nullptr;
}

// "&1 C:\maps\stage1.bin": the number is the entry's key; an "&" of the path stays an "&".
std::wstring MenuText(size_t index, const std::string& path) {
    std::wstring text = L"&" + std::to_wstring(index + 1) + L" ";
    for (wchar_t c : WideFromUtf8(path)) {
        if (c == L'&') text += L'&';
        text += c;
    }
    return text;
}

void InsertItem(HMENU menu, UINT position, UINT id, const std::wstring* text) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_FTYPE | (text != nullptr ? MIIM_STRING : 0);
    item.fType = text != nullptr ? MFT_STRING : MFT_SEPARATOR;
    item.wID = id;
    item.dwTypeData = text != nullptr ? const_cast<wchar_t*>(text->c_str()) : nullptr;
    InsertMenuItemW(menu, position, TRUE, &item);
}

// The entries go between 名前をつけて保存 and the separator above 終了, under a separator of
// their own; an empty list shows nothing.
void ShowInMenu(const RecentFiles& list) {
    HMENU menu = FileMenu();
    if (menu == nullptr) return;
    DeleteMenu(menu, ID_FILE_RECENT_SEPARATOR, MF_BYCOMMAND);
    for (UINT id = ID_FILE_RECENT_FIRST; id < ID_FILE_RECENT_FIRST + kRecentFilesLimit; ++id)
        DeleteMenu(menu, id, MF_BYCOMMAND);
    if (list.Paths().empty()) return;
    const int count = GetMenuItemCount(menu);
    int exitAt = count;
    for (int i = 0; i < count; ++i)
        if (GetMenuItemID(menu, i) == ID_FILE_EXIT) exitAt = i;
    UINT at = static_cast<UINT>(exitAt > 0 ? exitAt - 1 : 0);
    InsertItem(menu, at++, ID_FILE_RECENT_SEPARATOR, nullptr);
    for (size_t i = 0; i < list.Paths().size(); ++i) {
        const std::wstring text = MenuText(i, list.Paths()[i]);
        InsertItem(menu, at++, static_cast<UINT>(ID_FILE_RECENT_FIRST + i), &text);
    }
}

// The menu shows what was written, or nothing when it could not be: entry i is command
// ID_FILE_RECENT_FIRST + i.
void Show(const RecentFiles& list) {
    if (editor == nullptr) return;
    editor->recentMaps = list;
    ShowInMenu(list);
}

}  // namespace

void ShowRecentMaps() { Show(ReadRecentMaps()); }

void RememberRecentMap(const std::wstring& path) {
    const std::string utf8 = Utf8FromWide(path);
    Show(ChangeRecentMaps([&](RecentFiles& list) { list.Add(utf8); }));
}

void ForgetRecentMap(const std::string& path) {
    Show(ChangeRecentMaps([&](RecentFiles& list) { list.Remove(path); }));
}

bool RecentMapOfCommand(uint32_t commandId, bool& isEntry, std::string& path) {
    isEntry = commandId >= ID_FILE_RECENT_FIRST && commandId < ID_FILE_RECENT_FIRST + kRecentFilesLimit;
    if (!isEntry || editor == nullptr) return false;
    const size_t index = commandId - ID_FILE_RECENT_FIRST;
    if (index >= editor->recentMaps.Paths().size()) return false;
    path = editor->recentMaps.Paths()[index];
    return true;
}
