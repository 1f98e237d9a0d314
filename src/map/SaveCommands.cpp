#include "map/SaveCommands.h"

#include <string>

#include "Globals.h"
#include "MainWindow.h"
#include "WideText.h"
#include "core/Texts.h"
#include "map/ConflictCommands.h"
#include "map/CurrentFile.h"
#include "map/FileDialog.h"
#include "map/RecentMaps.h"
#include "map/SavedVersions.h"
#include "map/StartFolder.h"
#include "map/core/MapPaths.h"

bool SaveMapFileAs(HWND owner) { return SaveMapFileAs(owner, currentPath); }

bool SaveMapFileAs(HWND owner, const wchar_t* proposal) {
    // A new name must be accepted: the folder has to exist, an existing file is confirmed.
    FileDialog save(owner, FilterList({texts::kSaveFilterName, texts::kSaveFilterPattern}),
                    texts::kSaveDialogTitle, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, proposal);
    if (!GetSaveFileNameW(&save.dialog)) return false;

    if (!mainWindow->SaveMap(save.ChosenUtf8().c_str())) return false;
    KeepConflictsFileCurrent(Utf8FromWide(FullMapPath(save.chosen)));
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
    KeepConflictsFileCurrent(Utf8FromWide(FullMapPath(currentPath)));
    RememberRecentMap(FullMapPath(currentPath));
    return true;
}
