// The saved versions of maps: before Save replaces a map file, its old content is kept in the
// program's folder `versions`, named after the map and the date and time it was replaced:
//
//     stage1.bin~2026-12-10_15-30-12~3fa9c2d1.bin
//
// the map's file name (made safe for any folder), the local date and time (a "-2", "-3" ...
// after it for a second version within the same second), and a hash of the map's full path,
// so that two maps of one name in different folders keep their versions apart. Each map keeps
// its newest kVersionsKept versions. These rules work on names only; the shell reads and
// writes the files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ClockTime.h"

constexpr size_t kVersionsKept = 20;
// A map name is cut to this many bytes (whole UTF-8 characters), so that a version's path
// stays within what Windows takes however long the map's name.
constexpr size_t kVersionMapNameBytes = 80;

// The map's file name (the last component of a Windows or POSIX path) as it goes into its
// versions' names: characters Windows does not take in a name become "_", a device name
// (CON, NUL, COM1 ...) gets a "_" before it, a long name is cut, an empty one is "map".
std::string VersionMapName(const std::string& fullMapPath);

// The hash of the full path as Windows compares paths (letter case and "/" against "\" do not
// count): eight lower-case hex digits.
std::string VersionPathHash(const std::string& fullMapPath);

// The name of a version of the map made at `time`; `sequence` 1 adds nothing, 2 and up tell
// versions of the same second apart.
std::string VersionName(const std::string& fullMapPath, const ClockTime& time, uint32_t sequence);

struct VersionNameParts {
    std::string mapName;  // as VersionMapName gave it
    std::string pathHash;
    ClockTime time;
    uint32_t sequence = 1;
};

// Takes a version's name apart; false for any other name (temporary files, names a person
// gave), which the versions never count.
bool ParseVersionName(const std::string& name, VersionNameParts& parts);

// The names among `names` that are versions of the map, newest first.
std::vector<std::string> VersionsOfMap(const std::string& fullMapPath,
                                       const std::vector<std::string>& names);

// A name for a new version of the map made at `time` that none of `names` has (compared as
// Windows compares names).
std::string NewVersionName(const std::string& fullMapPath, const ClockTime& time,
                           const std::vector<std::string>& names);

// The versions of the map to remove once `kept` was written so that the map keeps
// kVersionsKept: the oldest beyond the newest. `kept` itself always stays, even when a clock
// set back makes it look older than the others.
std::vector<std::string> VersionsToRemove(const std::string& fullMapPath,
                                          const std::vector<std::string>& names,
                                          const std::string& kept);
