#include "map/RecoverySession.h"

#include <vector>

#include "LocalClock.h"
#include "map/core/RecoveryFile.h"
#include "map/core/RecoveryFolder.h"
#include "map/core/Stage.h"

namespace {

constexpr UINT_PTR kTimerId = 0x5243;  // "RC"

}  // namespace

std::unique_ptr<files::LockFile> TakeRecoveryLock(const std::string& folder, const std::string& name) {
    auto lock = std::make_unique<files::LockFile>();
    std::string reason;
    if (!lock->Create(files::JoinPath(folder, RecoveryLockName(name)), reason)) return nullptr;
    return lock;
}

bool RecoverySession::Start(const std::string& inFolder, HWND window, UINT intervalMs, TIMERPROC tick) {
    End();
    const ClockTime now = LocalClockTime();
    const DWORD processId = GetCurrentProcessId();
    // A name whose copy is there belongs to an editor that ended without removing it: that
    // copy is never taken over, only offered.
    for (uint32_t attempt = 0; attempt < 100 && !lock; ++attempt) {
        const std::string candidate = RecoverySessionName(now, processId, attempt);
        if (!files::FileIsMissing(files::JoinPath(inFolder, RecoveryCopyName(candidate)))) continue;
        lock = TakeRecoveryLock(inFolder, candidate);
        if (lock) name = candidate;
    }
    if (!lock) return false;
    folder = inFolder;
    timerWindow = window;
    SetTimer(window, kTimerId, intervalMs, tick);
    return true;
}

std::string RecoverySession::CopyPath() const {
    return folder.empty() ? std::string() : files::JoinPath(folder, RecoveryCopyName(name));
}

std::string RecoverySession::LockPath() const {
    return folder.empty() ? std::string() : files::JoinPath(folder, RecoveryLockName(name));
}

void RecoverySession::RemoveCopy() {
    std::string reason;
    files::RemoveFile(CopyPath(), reason);
    copyWritten = false;
}

void RecoverySession::WriteIfDue(const Stage& stage, const std::string& mapPath) {
    if (folder.empty()) return;
    if (!stage.IsModified()) {
        if (copyWritten) RemoveCopy();
        return;
    }
    if (stage.InStroke()) return;
    if (copyWritten && writtenState == stage.StateId() && writtenPath == mapPath) return;
    const std::vector<uint8_t> bytes = WriteRecoveryFile(mapPath, stage.Document());
    std::string reason;
    if (bytes.empty() || !files::ReplaceFileContents(CopyPath(), bytes, reason)) return;
    copyWritten = true;
    writtenState = stage.StateId();
    writtenPath = mapPath;
}

void RecoverySession::Drop() {
    if (!folder.empty() && copyWritten) RemoveCopy();
}

void RecoverySession::Adopt(const std::string& copyName, std::unique_ptr<files::LockFile> claim,
                            uint64_t state, const std::string& mapPath) {
    RemoveCopy();  // a copy of this session's own, should there be one
    lock = std::move(claim);
    name = copyName;
    copyWritten = true;
    writtenState = state;
    writtenPath = mapPath;
}

void RecoverySession::End() {
    if (timerWindow != nullptr && IsWindow(timerWindow)) KillTimer(timerWindow, kTimerId);
    // The copy goes before the lock: a lock let go first would show it as left behind.
    if (!folder.empty()) RemoveCopy();
    *this = RecoverySession();
}
