#include "map/FileDialogs.h"

#include <commdlg.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "Globals.h"
#include "MainWindow.h"
#include "UnsavedChanges.h"
#include "WideText.h"
#include "core/Texts.h"
#include "map/CurrentFile.h"
#include "map/MapOpening.h"
#include "map/RecentMaps.h"
#include "map/SavedVersions.h"
#include "map/StartFolder.h"
#include "map/core/MapPaths.h"

namespace {

// Filter lists are pairs of a name and a pattern, each ending in a zero character, and end
// with an empty name.
std::wstring FilterList(std::initializer_list<const char*> namesAndPatterns) {
    std::wstring list;
    for (const char* part : namesAndPatterns) {
        list += WideFromSjis(part);
        list.push_back(L'\0');
    }
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

    FileDialog(HWND owner, std::wstring filterList, const char* dialogTitle, DWORD flags,
               const wchar_t* proposal)
        : filter(std::move(filterList)), title(WideFromSjis(dialogTitle)) {
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

void OpenMapFile(HWND owner) { OpenMapFileAt(owner, currentPath); }

// After the maps, every file: a map without an extension, such as the default file, shows too.
void OpenMapFileAt(HWND owner, const std::wstring& proposal) {
    if (!ConfirmDropChanges()) return;
    FileDialog open(owner,
                    FilterList({texts::kOpenFilterName, texts::kOpenFilterPattern,
                                texts::kAllFilesFilterName, texts::kAllFilesFilterPattern}),
                    texts::kOpenDialogTitle, OFN_FILEMUSTEXIST,
                    proposal.empty() ? currentPath : proposal.c_str());
    if (!GetOpenFileNameW(&open.dialog)) return;
    OpenMapPath(open.chosen);
}

bool SaveMapFileAs(HWND owner) { return SaveMapFileAs(owner, currentPath); }

bool SaveMapFileAs(HWND owner, const wchar_t* proposal) {
    // A new name must be accepted: the folder has to exist, an existing file is confirmed.
    FileDialog save(owner, FilterList({texts::kSaveFilterName, texts::kSaveFilterPattern}),
                    texts::kSaveDialogTitle, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, proposal);
    if (!GetSaveFileNameW(&save.dialog)) return false;

    if (!mainWindow->SaveMap(save.ChosenUtf8().c_str())) return false;
    SetCurrentPath(save.chosen);
    RememberRecentMap(FullMapPath(save.chosen));
    return true;
}

bool SaveToCurrentFile(HWND owner) {
    const std::string path = Utf8FromWide(currentPath);
    if (IsTextMapPath(path.c_str())) {
        // The editor writes only map data files; written over a text map, they would read
        // back as an empty map and the stage would be lost.
        return SaveMapFileAs(owner, WideFromUtf8(MapDataPathFor(path)).c_str());
    }
    // A version opened from the versions folder is saved where the designer chooses, never
    // over the versions themselves.
    if (IsSavedVersionPath(PathFromStartFolder(path.c_str())))
        return SaveMapFileAs(owner, SaveProposalForVersion(path).c_str());
    if (!mainWindow->SaveMap(path.c_str())) return false;
    RememberRecentMap(FullMapPath(currentPath));
    return true;
}
