// This editor's recovery session: its name in the recovery folder, the lock it holds there for
// as long as it runs, and what its copy of the stage holds. The copy is written only when the
// stage has changes it does not hold yet; whatever goes wrong with the folder, nothing is said.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "files/FileAccess.h"

class Stage;

class RecoverySession {
public:
    // Takes a name whose copy is not there and its lock, in `folder`; false, starting nothing,
    // when no lock can be taken. The timer then calls `tick` on `timerWindow` every `intervalMs`.
    bool Start(const std::string& folder, HWND timerWindow, UINT intervalMs, TIMERPROC tick);
    bool Started() const { return !folder.empty(); }
    const std::string& Folder() const { return folder; }
    const std::string& Name() const { return name; }
    // The copy and the lock (UTF-8); empty without a session.
    std::string CopyPath() const;
    std::string LockPath() const;

    // Writes the stage with the map's path when it has changes the copy does not hold yet,
    // never while a drag stroke is being drawn; removes the copy once the stage is no longer
    // modified (undone back to the saved state).
    void WriteIfDue(const Stage& stage, const std::string& mapPath);
    // The stage was saved, or its changes dropped: the copy goes.
    void Drop();
    // A recovered stage becomes this session's, with the copy that holds it (`copyName`) and the
    // lock taken to ask about it. The copy is not written again until the stage changes.
    void Adopt(const std::string& copyName, std::unique_ptr<files::LockFile> lock, uint64_t state,
               const std::string& mapPath);
    // The editor ends: the timer stops, the copy goes, then the lock.
    void End();

private:
    std::string folder;  // empty without a session
    std::string name;
    std::unique_ptr<files::LockFile> lock;
    bool copyWritten = false;
    uint64_t writtenState = 0;
    std::string writtenPath;  // the map the copy belongs to
    HWND timerWindow = nullptr;

    void RemoveCopy();
};

// A lock taken on a session's name in `folder`; null when it cannot be taken (another editor
// holds it).
std::unique_ptr<files::LockFile> TakeRecoveryLock(const std::string& folder, const std::string& name);
