#include "map/core/RecoveryFolder.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "core/DecimalText.h"

namespace {

constexpr char kCopyExtension[] = ".recovery";
constexpr char kLockExtension[] = ".lock";

// "dddddddd-dddddd-hhhhhhhh", then "-N" for N from 1: exactly what RecoverySessionName makes.
bool IsSessionName(const std::string& name) {
    constexpr size_t kLength = 24;
    if (name.size() < kLength || !AreDecimalDigits(name.data(), 8) || name[8] != '-' ||
        !AreDecimalDigits(name.data() + 9, 6) || name[15] != '-' ||
        !std::all_of(name.begin() + 16, name.begin() + kLength, IsLowerHexDigit))
        return false;
    if (name.size() == kLength) return true;
    const std::string attempt = name.substr(kLength);
    return attempt.size() >= 2 && attempt.size() <= 5 && attempt[0] == '-' && attempt[1] != '0' &&
           AreDecimalDigits(attempt.data() + 1, attempt.size() - 1);
}

// The session of a name ending in `extension`, or "" when the name is not of that form.
std::string SessionOf(const std::string& name, const char* extension) {
    const std::string ending(extension);
    if (name.size() <= ending.size() ||
        name.compare(name.size() - ending.size(), ending.size(), ending) != 0)
        return "";
    const std::string session = name.substr(0, name.size() - ending.size());
    return IsSessionName(session) ? session : "";
}

}  // namespace

std::string RecoverySessionName(const ClockTime& time, uint32_t processId, uint32_t attempt) {
    char name[64];
    std::snprintf(name, sizeof name, "%04d%02d%02d-%02d%02d%02d-%08x", static_cast<int>(time.year),
                  static_cast<int>(time.month), static_cast<int>(time.day), static_cast<int>(time.hour),
                  static_cast<int>(time.minute), static_cast<int>(time.second),
                  static_cast<unsigned>(processId));
    std::string session = name;
    if (attempt > 0) session += "-" + std::to_string(attempt);
    return session;
}

std::string RecoveryCopyName(const std::string& session) { return session + kCopyExtension; }
std::string RecoveryLockName(const std::string& session) { return session + kLockExtension; }

RecoveryFolderScan ScanRecoveryFolder(const std::vector<std::string>& names,
                                      const std::string& ownSession,
                                      const std::function<bool(const std::string&)>& lockIsHeld) {
    std::set<std::string> copies;
    std::set<std::string> locks;
    for (const std::string& name : names) {
        const std::string copy = SessionOf(name, kCopyExtension);
        if (!copy.empty() && copy != ownSession) copies.insert(copy);
        const std::string lock = SessionOf(name, kLockExtension);
        if (!lock.empty() && lock != ownSession) locks.insert(lock);
    }
    RecoveryFolderScan scan;
    for (const std::string& session : copies)  // a set: in order of the names, the oldest first
        if (locks.count(session) == 0 || !lockIsHeld(RecoveryLockName(session)))
            scan.leftBehind.push_back(session);
    for (const std::string& session : locks)
        if (copies.count(session) == 0 && !lockIsHeld(RecoveryLockName(session)))
            scan.strayLocks.push_back(session);
    return scan;
}
