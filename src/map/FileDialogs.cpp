#include "map/FileDialogs.h"

#include <commdlg.h>

#include <cstring>
#include <string>

#include "Globals.h"
#include "MainWindow.h"
#include "UnsavedChanges.h"
#include "WideText.h"
#include "core/Texts.h"
#include "map/CurrentFile.h"
#include "map/core/MapPaths.h"

namespace {

// Filter lists end with two zero characters: name, pattern, and an empty name.
std::wstring FilterList(const char* name, const char* pattern) {
    std::wstring list = WideFromSjis(name);
    list.push_back(L'\0');
    list += WideFromSjis(pattern);
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

// The dialog fills in a copy of currentPath, so a path that is then refused never
// replaces the current one.
struct FileDialog {
    OPENFILENAMEW dialog;
    std::wstring filter;
    std::wstring title;
    std::wstring extension = WideFromSjis(texts::kMapFileExtension);
    wchar_t chosen[kPathBufferSize] = {};

    FileDialog(HWND owner, const char* filterName, const char* filterPattern, const char* dialogTitle,
               DWORD flags, const wchar_t* proposal)
        : filter(FilterList(filterName, filterPattern)), title(WideFromSjis(dialogTitle)) {
        lstrcpynW(chosen, proposal, kPathBufferSize);
        std::memset(&dialog, 0, sizeof(dialog));
        dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = filter.c_str();
        dialog.lpstrFile = chosen;
        dialog.nMaxFile = kPathBufferSize;
        dialog.lpstrFileTitle = currentFileTitle;
        dialog.nMaxFileTitle = sizeof(currentFileTitle) / sizeof(currentFileTitle[0]);
        dialog.lpstrTitle = title.c_str();
        // The working folder stays where the editor was started, whatever folder is browsed.
        dialog.Flags = flags | OFN_NOCHANGEDIR;
        dialog.lpstrDefExt = extension.c_str();
    }
    FileDialog(const FileDialog&) = delete;
    FileDialog& operator=(const FileDialog&) = delete;
    std::string ChosenUtf8() const { return Utf8FromWide(chosen); }
};

}  // namespace

void OpenMapFile(HWND owner) {
    if (!ConfirmDropChanges()) return;
    FileDialog open(owner, texts::kOpenFilterName, texts::kOpenFilterPattern, texts::kOpenDialogTitle,
                    OFN_FILEMUSTEXIST, currentPath);
    if (!GetOpenFileNameW(&open.dialog)) return;

    const std::string path = open.ChosenUtf8();
    if (!mainWindow->LoadMap(path.c_str(), !IsTextMapPath(path.c_str()))) return;
    SetCurrentPath(open.chosen);
    scrollX = 0;
    scrollY = 0;
    mainWindow->Paint();
}

bool SaveMapFileAs(HWND owner) { return SaveMapFileAs(owner, currentPath); }

bool SaveMapFileAs(HWND owner, const wchar_t* proposal) {
    // A new name must be accepted: the folder has to exist, an existing file is confirmed.
    FileDialog save(owner, texts::kSaveFilterName, texts::kSaveFilterPattern, texts::kSaveDialogTitle,
                    OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, proposal);
    if (!GetSaveFileNameW(&save.dialog)) return false;

    if (!mainWindow->SaveMap(save.ChosenUtf8().c_str())) return false;
    SetCurrentPath(save.chosen);
    return true;
}

bool SaveToCurrentFile(HWND owner) {
    const std::string path = Utf8FromWide(currentPath);
    if (IsTextMapPath(path.c_str())) {
        // The editor writes only map data files; written over a text map, they would read
        // back as an empty map and the stage would be lost.
        return SaveMapFileAs(owner, WideFromUtf8(MapDataPathFor(path)).c_str());
    }
    return mainWindow->SaveMap(path.c_str());
}
