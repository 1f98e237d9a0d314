#include "map/SavedVersions.h"

#include "LocalClock.h"
#include "ProgramFolder.h"
#include "WideText.h"
#include "core/ProgramFolderNames.h"
#include "core/RecentFiles.h"
#include "core/WindowsPathCase.h"
#include "files/FileAccess.h"
#include "map/RecentMapsFile.h"
#include "map/core/MapLimits.h"
#include "map/core/VersionRules.h"

namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

std::string SavedVersionsFolder() { return ProgramSubfolder(kVersionsFolderName); }

bool IsSavedVersionPath(const std::string& path) {
    const std::string folder = FolderOf(files::FullPath(path));
    if (folder.empty()) return false;
    const std::string versions = SavedVersionsFolder();
    return !versions.empty() && SameWindowsPath(folder, versions);
}

void KeepSavedVersion(const std::string& fullMapPath, const std::vector<uint8_t>& newBytes) {
    if (fullMapPath.empty() || IsSavedVersionPath(fullMapPath)) return;
    std::vector<uint8_t> old;
    std::string reason;
    if (files::ReadWholeFile(fullMapPath, kMaxMapFileBytes, old, reason) != files::ReadStatus::kRead ||
        old == newBytes)
        return;
    const std::string folder = SavedVersionsFolder();
    if (folder.empty()) return;
    std::vector<std::string> names = files::FileNamesIn(folder);
    // Already the newest version (a save that failed after keeping it, then one that did
    // not): a second copy would only push an older version out.
    const std::vector<std::string> kept = VersionsOfMap(fullMapPath, names);
    std::vector<uint8_t> newest;
    if (!kept.empty() &&
        files::ReadWholeFile(files::JoinPath(folder, kept.front()), kMaxMapFileBytes, newest, reason) ==
            files::ReadStatus::kRead &&
        newest == old)
        return;
    const std::string name = NewVersionName(fullMapPath, LocalClockTime(), names);
    if (!files::ReplaceFileContents(files::JoinPath(folder, name), old, reason)) return;
    names.push_back(name);
    for (const std::string& gone : VersionsToRemove(fullMapPath, names, name))
        files::RemoveFile(files::JoinPath(folder, gone), reason);
}

std::wstring SaveProposalForVersion(const std::string& versionPath) {
    const size_t slash = versionPath.find_last_of("\\/");
    VersionNameParts parts;
    if (!ParseVersionName(versionPath.substr(slash == std::string::npos ? 0 : slash + 1), parts))
        return std::wstring();
    const RecentFiles recentMaps = ReadRecentMaps();
    for (const std::string& recent : recentMaps.Paths())
        if (VersionPathHash(recent) == parts.pathHash && VersionMapName(recent) == parts.mapName)
            return WideFromUtf8(recent);
    return WideFromUtf8(parts.mapName);
}
