#include "map/MapOpening.h"

#include <windows.h>

#include "Editor.h"
#include "ErrorBox.h"
#include "Globals.h"
#include "MainWindow.h"
#include "UnsavedChanges.h"
#include "WideText.h"
#include "core/Texts.h"
#include "files/FileAccess.h"
#include "map/ConflictCommands.h"
#include "map/CurrentFile.h"
#include "map/MapTools.h"
#include "map/RecentMaps.h"
#include "map/StartFolder.h"
#include "map/core/MapPaths.h"

namespace {

// The current path holds fewer characters than a dropped file or the command line can name; a
// longer one would be cut, and Save would then write to another file.
void TellPathIsTooLong(const std::wstring& path) {
    ShowMessageAbout(mainWindow->handle, texts::kOpenFailedFormat, {path, WideFromSjis(texts::kPathTooLong)});
}

void TellMapIsGone(const std::string& path) {
    ShowMessageAbout(mainWindow != nullptr ? mainWindow->handle : nullptr, texts::kRecentMapGoneFormat,
                     {WideFromUtf8(path)}, MB_OK | MB_ICONWARNING);
}

}  // namespace

bool OpenMapPath(const std::wstring& path) {
    if (mainWindow == nullptr || path.empty()) return false;
    const std::wstring full = FullMapPath(path);
    if (full.size() >= kPathBufferSize) {
        TellPathIsTooLong(full);
        return false;
    }
    const std::string utf8 = Utf8FromWide(full);
    if (!mainWindow->LoadMap(utf8.c_str(), !IsTextMapPath(utf8.c_str()))) return false;
    ForgetToolMarks();
    SetCurrentPath(full.c_str());
    SetViewOffsets(0, 0);
    RememberRecentMap(full);
    ReadConflictsBesideMap(utf8);
    return true;
}

bool OpenRecentMapCommand(uint32_t commandId) {
    bool isEntry = false;
    std::string path;
    if (!RecentMapOfCommand(commandId, isEntry, path)) return isEntry;
    if (files::FileIsMissing(path)) {
        ForgetRecentMap(path);
        TellMapIsGone(path);
        return true;
    }
    if (ConfirmDropChanges()) OpenMapPath(WideFromUtf8(path));
    return true;
}
