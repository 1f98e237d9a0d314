#include "map/RecoveryCopies.h"

#include <memory>
#include <string>
#include <vector>

#include "Editor.h"
#include "ErrorBox.h"
#include "Globals.h"
#include "MainWindow.h"
#include "ProgramFolder.h"
#include "UnsavedChanges.h"
#include "WideText.h"
#include "core/DecimalText.h"
#include "core/ProgramFolderNames.h"
#include "core/Texts.h"
#include "files/FileAccess.h"
#include "map/CurrentFile.h"
#include "map/core/RecoveryFile.h"
#include "map/core/RecoveryFolder.h"

namespace {

constexpr UINT kDefaultIntervalMs = 20000;
constexpr UINT kShortestIntervalMs = 100;

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
    RecoverySession& session = editor->recovery;
    const std::string copyPath = files::JoinPath(session.Folder(), RecoveryCopyName(copyName));
    SetViewOffsets(0, 0);
    if (!mainWindow->OpenRecoveredStage(read.document, copyPath.c_str())) return false;
    SetCurrentPath(WideFromUtf8(read.mapPath).c_str());
    session.Adopt(copyName, std::move(claim), mainWindow->stage.StateId(), read.mapPath);
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
// editors it starts: plain digits, nothing else.
UINT RecoveryCopyInterval() {
    char value[16] = {};
    const DWORD length = GetEnvironmentVariableA("PICORAN_RECOVERY_INTERVAL_MS", value, sizeof value);
    int32_t ms = 0;
    if (length == 0 || length >= sizeof value || !ReadDecimalDigits(value, length, ms) ||
        ms < static_cast<int32_t>(kShortestIntervalMs) || ms > static_cast<int32_t>(kDefaultIntervalMs))
        return kDefaultIntervalMs;
    return static_cast<UINT>(ms);
}

std::string RecoveryCopyPath() { return editor != nullptr ? editor->recovery.CopyPath() : std::string(); }

std::string RecoveryLockPath() { return editor != nullptr ? editor->recovery.LockPath() : std::string(); }

void StartRecoveryCopies(HWND mainWindowHandle) {
    const std::string folder = ProgramSubfolder(kRecoveryFolderName);
    if (folder.empty() || editor == nullptr) return;
    editor->recovery.Start(folder, mainWindowHandle, RecoveryCopyInterval(), OnTimer);
}

void WriteRecoveryCopyIfDue() {
    if (editor == nullptr || mainWindow == nullptr) return;
    editor->recovery.WriteIfDue(mainWindow->stage, Utf8FromWide(currentPath));
}

void DropRecoveryCopy() {
    if (editor != nullptr) editor->recovery.Drop();
}

void EndRecoveryCopies() {
    if (editor != nullptr) editor->recovery.End();
}

void OfferLeftBehindCopies() {
    if (editor == nullptr || !editor->recovery.Started() || mainWindow == nullptr) return;
    const std::string folder = editor->recovery.Folder();
    std::string reason;
    const RecoveryFolderScan scan = ScanRecoveryFolder(files::FileNamesIn(folder), editor->recovery.Name(), [&](const std::string& lock) {
        return files::LockFileIsHeld(files::JoinPath(folder, lock));
    });
    for (const std::string& stray : scan.strayLocks) files::RemoveFile(files::JoinPath(folder, RecoveryLockName(stray)), reason);

    for (const std::string& name : scan.leftBehind) {
        // The copy's lock is taken while it is asked about, so that an editor starting
        // meanwhile takes it for a running editor's and does not offer it too. A lock file a
        // power cut left is removed first; one that another editor holds cannot be.
        files::RemoveFile(files::JoinPath(folder, RecoveryLockName(name)), reason);
        std::unique_ptr<files::LockFile> claim = TakeRecoveryLock(folder, name);
        const std::string copyPath = files::JoinPath(folder, RecoveryCopyName(name));
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
