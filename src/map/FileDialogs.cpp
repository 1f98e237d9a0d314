#include "map/FileDialogs.h"

#include <commdlg.h>

#include <cstring>
#include <string>

#include "Globals.h"
#include "MainWindow.h"
#include "core/Texts.h"
#include "map/CurrentFile.h"
#include "map/core/MapPaths.h"

namespace {

// Filter lists end with two zero bytes: name, pattern, and an empty name.
std::string FilterList(const char* name, const char* pattern) {
    std::string list(name);
    list.push_back('\0');
    list += pattern;
    list.push_back('\0');
    list.push_back('\0');
    return list;
}

// The dialog fills in a copy of currentPath, so a path that is then refused never
// replaces the current one.
void PrepareDialog(OPENFILENAMEA& dialog, HWND owner, const std::string& filter, char* path,
                   const char* title, DWORD flags) {
    std::memset(&dialog, 0, sizeof(dialog));
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = kPathBufferSize;
    dialog.lpstrFileTitle = currentFileTitle;
    dialog.nMaxFileTitle = sizeof(currentFileTitle);
    dialog.lpstrTitle = title;
    // The working folder stays where the editor was started, whatever folder is browsed.
    dialog.Flags = flags | OFN_NOCHANGEDIR;
    dialog.lpstrDefExt = texts::kMapFileExtension;
}

}  // namespace

void OpenMapFile(HWND owner) {
    char chosen[kPathBufferSize];
    lstrcpynA(chosen, currentPath, sizeof(chosen));
    const std::string filter = FilterList(texts::kOpenFilterName, texts::kOpenFilterPattern);
    OPENFILENAMEA dialog;
    PrepareDialog(dialog, owner, filter, chosen, texts::kOpenDialogTitle, OFN_FILEMUSTEXIST);
    if (!GetOpenFileNameA(&dialog)) return;

    if (!mainWindow->LoadMap(chosen, !IsTextMapPath(chosen))) return;
    SetCurrentPath(chosen);
    scrollX = 0;
    scrollY = 0;
    mainWindow->Paint();
}

void SaveMapFileAs(HWND owner) { SaveMapFileAs(owner, currentPath); }

void SaveMapFileAs(HWND owner, const char* proposal) {
    char chosen[kPathBufferSize];
    lstrcpynA(chosen, proposal, sizeof(chosen));
    const std::string filter = FilterList(texts::kSaveFilterName, texts::kSaveFilterPattern);
    OPENFILENAMEA dialog;
    // A new name must be accepted: the folder has to exist, an existing file is confirmed.
    PrepareDialog(dialog, owner, filter, chosen, texts::kSaveDialogTitle,
                  OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
    if (!GetSaveFileNameA(&dialog)) return;

    if (!mainWindow->SaveMap(chosen)) return;
    SetCurrentPath(chosen);
}

void SaveToCurrentFile(HWND owner) {
    if (IsTextMapPath(currentPath)) {
        // The editor writes only map data files; written over a text map, they would read
        // back as an empty map and the stage would be lost.
        SaveMapFileAs(owner, MapDataPathFor(currentPath).c_str());
        return;
    }
    mainWindow->SaveMap(currentPath);
}
