// The program's folder `recovery`: each running editor writes its recovery copy as
// "<session>.recovery" and holds "<session>.lock" open for as long as it runs, where the
// session is "20261210-153012-0000abcd" (when it started, its process id, a "-N" when that was
// taken). An editor that ended without removing its copy (a crash, a killed process, a power
// cut) holds no lock any more: its copy is left behind, and the next editor offers it.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/ClockTime.h"

// The session of an editor started at `time` as process `processId`; `attempt` 0 adds nothing,
// 1 and up give other names when one is taken.
std::string RecoverySessionName(const ClockTime& time, uint32_t processId, uint32_t attempt);
std::string RecoveryCopyName(const std::string& session);
std::string RecoveryLockName(const std::string& session);

struct RecoveryFolderScan {
    // Sessions whose copy no running editor holds, the oldest first.
    std::vector<std::string> leftBehind;
    // Sessions with a lock file that nobody holds and no copy (a power cut while nothing was
    // modified): the lock file only is left to remove.
    std::vector<std::string> strayLocks;
};

// Sorts the folder's file names: `ownSession` is never left behind, and a session whose lock
// `lockIsHeld` (given the lock's file name) says is held belongs to a running editor. Names of
// any other form are not the program's and are left alone.
RecoveryFolderScan ScanRecoveryFolder(const std::vector<std::string>& names,
                                      const std::string& ownSession,
                                      const std::function<bool(const std::string&)>& lockIsHeld);
