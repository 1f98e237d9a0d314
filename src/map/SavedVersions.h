// The saved versions of maps in the program's folder `versions`: before Save replaces a map
// file, its old content is kept there, the newest 20 of each map (map/core/VersionRules.h
// names them). A version that cannot be kept never stops the save and is never mentioned.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Keeps the file at fullMapPath (UTF-8) as a version, unless it is not there, cannot be read,
// already holds newBytes or the map's newest version (nothing would be lost), or is itself in
// the versions folder; then removes the map's versions beyond the newest 20.
void KeepSavedVersion(const std::string& fullMapPath, const std::vector<uint8_t>& newBytes);

// The versions folder (UTF-8), made when missing; empty when it cannot be.
std::string SavedVersionsFolder();

// True when the path (UTF-8) names a file in the versions folder: Save never writes there.
bool IsSavedVersionPath(const std::string& path);

// What Save As proposes for a version opened from the versions folder: the map it is a version
// of, when one of the recent maps is that map, else the map's name alone.
std::wstring SaveProposalForVersion(const std::string& versionPath);
