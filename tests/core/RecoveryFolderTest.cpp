// Which recovery copies are left behind: a copy whose editor no longer holds its lock, and
// never the asking editor's own.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "map/core/RecoveryFolder.h"

namespace {

const ClockTime kStart{2026, 12, 10, 9, 5, 7};

TEST(RecoveryFolder, SessionNamesSayWhenAndWhichProcess) {
    EXPECT_EQ(RecoverySessionName(kStart, 0xabcd, 0), "20261210-090507-0000abcd");
    EXPECT_EQ(RecoverySessionName(kStart, 0xFFFFFFFFu, 2), "20261210-090507-ffffffff-2");
    EXPECT_EQ(RecoveryCopyName("20261210-090507-0000abcd"), "20261210-090507-0000abcd.recovery");
    EXPECT_EQ(RecoveryLockName("20261210-090507-0000abcd"), "20261210-090507-0000abcd.lock");
}

TEST(RecoveryFolder, LeftBehindAreCopiesWhoseLockNobodyHolds) {
    const std::string crashed = RecoverySessionName({2026, 12, 9, 23, 0, 0}, 7, 0);
    const std::string powerCut = RecoverySessionName({2026, 12, 8, 8, 0, 0}, 9, 1);
    const std::string running = RecoverySessionName(kStart, 11, 0);
    const std::string own = RecoverySessionName(kStart, 12, 0);
    const std::string idle = RecoverySessionName(kStart, 13, 0);       // running, nothing changed
    const std::string idleCut = RecoverySessionName(kStart, 14, 0);    // power cut, nothing changed
    const std::vector<std::string> names = {
        RecoveryCopyName(crashed),                                // its lock went with its process
        RecoveryCopyName(powerCut), RecoveryLockName(powerCut),   // a lock nobody holds
        RecoveryCopyName(running),  RecoveryLockName(running),
        RecoveryCopyName(own),      RecoveryLockName(own),
        RecoveryLockName(idle),     RecoveryLockName(idleCut),
        // Not the program's: a temporary file of an interrupted write, other names.
        "~1a2b3.tmp", "notes.recovery", "20261210-090507-0000ABCD.recovery",
        "20261210-090507-0000abcd-0.recovery", "20261210-090507-0000abcd.recovery.bak",
    };
    std::vector<std::string> asked;
    const std::set<std::string> held = {RecoveryLockName(running), RecoveryLockName(idle)};
    const RecoveryFolderScan scan = ScanRecoveryFolder(names, own, [&](const std::string& lock) {
        asked.push_back(lock);
        return held.count(lock) > 0;
    });
    EXPECT_EQ(scan.leftBehind, std::vector<std::string>({powerCut, crashed}));  // the oldest first
    EXPECT_EQ(scan.strayLocks, std::vector<std::string>({idleCut}));
    // The own lock is never tried: on Windows this process could not open it either.
    for (const std::string& lock : asked) EXPECT_NE(lock, RecoveryLockName(own));
}

}  // namespace
