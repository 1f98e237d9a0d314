#include "map/RecoveryCopies.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ErrorBox.h"
#include "Globals.h"
#include "LocalClock.h"
#include "MainWindow.h"
#include "ProgramFolder.h"
#include "UnsavedChanges.h"
#include "WideText.h"
#include "core/ProgramFolderNames.h"
#include "core/Texts.h"
#include "files/FileAccess.h"
#include "map/CurrentFile.h"
#include "map/core/RecoveryFile.h"
#include "map/core/RecoveryFolder.h"

namespace {

constexpr UINT_PTR kTimerId = 0x5243;  // "RC"
constexpr UINT kDefaultIntervalMs = 20000;
constexpr UINT kShortestIntervalMs = 100;

// This editor's session: its name in the folder, its lock, and what its copy holds. With a
// tick every 20 s a change reaches the copy at the next tick, or at the one after when a drag
// stroke is being drawn just then: within a minute.
struct Session {
    std::string folder;  // empty without a session
    std::string name;
    std::unique_ptr<files::LockFile> lock;
    bool copyWritten = false;
    uint64_t writtenState = 0;
    std::string writtenPath;  // the map the copy belongs to
    HWND timerWindow = nullptr;
};

Session session;

std::string InFolder(const std::string& folder, const std::string& name) {
    return files::JoinPath(folder, name);
}

std::unique_ptr<files::LockFile> TakeLock(const std::string& folder, const std::string& name) {
    auto lock = std::make_unique<files::LockFile>();
    std::string reason;
    if (!lock->Create(InFolder(folder, RecoveryLockName(name)), reason)) return nullptr;
    return lock;
}

void RemoveCopy() {
    std::string reason;
    files::RemoveFile(RecoveryCopyPath(), reason);
    session.copyWritten = false;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) { WriteRecoveryCopyIfDue(); }

// "Restore?" with the map's path on a line of its own: Yes or No.
bool DesignerWantsItBack(const std::string& mapPath) {
    const std::wstring text = WideFromSjis(texts::kRecoveryQuestion) + L"\r\n" + WideFromUtf8(mapPath);
    return MessageBoxW(mainWindow->handle, text.c_str(), WideFromSjis(texts::kProductTitle).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The recovered stage becomes this editor's, and so does the copy that holds it and the lock
// taken to ask about it: the copy is not written again, so the changes are never in no file.
bool Restore(const RecoveryReadResult& read, const std::string& copyName,
             std::unique_ptr<files::LockFile>& claim) {
    const std::string copyPath = InFolder(session.folder, RecoveryCopyName(copyName));
    scrollX = 0;
    scrollY = 0;
    if (!mainWindow->OpenRecoveredStage(read.document, copyPath.c_str())) return false;
    SetCurrentPath(WideFromUtf8(read.mapPath).c_str());
    mainWindow->Paint();
    RemoveCopy();  // a copy of this session's own, should there be one
    session.lock = std::move(claim);
    session.name = copyName;
    session.copyWritten = true;
    session.writtenState = mainWindow->stage.StateId();
    session.writtenPath = read.mapPath;
    return true;
}

// A copy's path that the current file cannot hold could only come from a copy made by hand.
bool PathFitsCurrentFile(const std::string& mapPath, const std::string& copyPath) {
    if (WideFromUtf8(mapPath).size() < kPathBufferSize) return true;
    ShowMessageAbout(mainWindow->handle, texts::kReadRefusedFormat,
                     {WideFromUtf8(copyPath), WideFromSjis(texts::kPathTooLong)});
    return false;
}

}  // namespace

// Read from the process's environment as the system keeps it, which a test changes for the
// editors it starts.
UINT RecoveryCopyInterval() {
    char value[16] = {};
    const DWORD length = GetEnvironmentVariableA("PICORAN_RECOVERY_INTERVAL_MS", value, sizeof value);
    if (length == 0 || length >= sizeof value) return kDefaultIntervalMs;
    char* end = nullptr;
    const unsigned long ms = std::strtoul(value, &end, 10);
    if (end == value || *end != '\0' || ms < kShortestIntervalMs || ms > kDefaultIntervalMs)
        return kDefaultIntervalMs;
    return static_cast<UINT>(ms);
}

std::string RecoveryCopyPath() {
    return session.folder.empty() ? std::string() : InFolder(session.folder, RecoveryCopyName(session.name));
}

std::string RecoveryLockPath() {
    return session.folder.empty() ? std::string() : InFolder(session.folder, RecoveryLockName(session.name));
}

void StartRecoveryCopies(HWND mainWindowHandle) {
    EndRecoveryCopies();
    const std::string folder = ProgramSubfolder(kRecoveryFolderName);
    if (folder.empty()) return;
    const ClockTime now = LocalClockTime();
    const DWORD processId = GetCurrentProcessId();
    // A name whose copy is there belongs to an editor that ended without removing it: that
    // copy is never taken over, only offered.
    for (uint32_t attempt = 0; attempt < 100 && !session.lock; ++attempt) {
        const std::string name = RecoverySessionName(now, processId, attempt);
        if (!files::FileIsMissing(InFolder(folder, RecoveryCopyName(name)))) continue;
        session.lock = TakeLock(folder, name);
        if (session.lock) session.name = name;
    }
    if (!session.lock) return;
    session.folder = folder;
    session.timerWindow = mainWindowHandle;
    SetTimer(mainWindowHandle, kTimerId, RecoveryCopyInterval(), OnTimer);
}

void WriteRecoveryCopyIfDue() {
    if (session.folder.empty() || mainWindow == nullptr) return;
    const Stage& stage = mainWindow->stage;
    if (!stage.IsModified()) {
        if (session.copyWritten) RemoveCopy();
        return;
    }
    if (stage.InStroke()) return;
    const std::string mapPath = Utf8FromWide(currentPath);
    if (session.copyWritten && session.writtenState == stage.StateId() && session.writtenPath == mapPath)
        return;
    const std::vector<uint8_t> bytes = WriteRecoveryFile(mapPath, stage.Document());
    std::string reason;
    if (bytes.empty() || !files::ReplaceFileContents(RecoveryCopyPath(), bytes, reason)) return;
    session.copyWritten = true;
    session.writtenState = stage.StateId();
    session.writtenPath = mapPath;
}

void DropRecoveryCopy() {
    if (!session.folder.empty() && session.copyWritten) RemoveCopy();
}

void EndRecoveryCopies() {
    if (session.timerWindow != nullptr && IsWindow(session.timerWindow))
        KillTimer(session.timerWindow, kTimerId);
    // The copy goes before the lock: a lock let go first would show it as left behind.
    if (!session.folder.empty()) RemoveCopy();
    session = Session();
}

void OfferLeftBehindCopies() {
    if (session.folder.empty() || mainWindow == nullptr) return;
    const std::string folder = session.folder;
    std::string reason;
    const RecoveryFolderScan scan = ScanRecoveryFolder(files::FileNamesIn(folder), session.name, [&](const std::string& lock) {
        return files::LockFileIsHeld(InFolder(folder, lock));
    });
    for (const std::string& stray : scan.strayLocks) files::RemoveFile(InFolder(folder, RecoveryLockName(stray)), reason);

    for (const std::string& name : scan.leftBehind) {
        // The copy's lock is taken while it is asked about, so that an editor starting
        // meanwhile takes it for a running editor's and does not offer it too. A lock file a
        // power cut left is removed first; one that another editor holds cannot be.
        files::RemoveFile(InFolder(folder, RecoveryLockName(name)), reason);
        std::unique_ptr<files::LockFile> claim = TakeLock(folder, name);
        const std::string copyPath = InFolder(folder, RecoveryCopyName(name));
        if (!claim || files::FileIsMissing(copyPath)) continue;

        RecoveryReadResult read;
        const RecoveryCopyRead result = mainWindow->ReadRecoveryCopy(copyPath.c_str(), read);
        if (result == RecoveryCopyRead::kCannotRead) continue;  // perhaps another time
        if (result == RecoveryCopyRead::kRefused || !PathFitsCurrentFile(read.mapPath, copyPath)) {
            files::RemoveFile(copyPath, reason);
            continue;
        }
        if (!DesignerWantsItBack(read.mapPath)) {
            files::RemoveFile(copyPath, reason);
            continue;
        }
        // A stage recovered before is saved or dropped as the designer says; Cancel leaves
        // this copy and the rest for the next start.
        if (!ConfirmDropChanges()) break;
        Restore(read, name, claim);
    }
}
