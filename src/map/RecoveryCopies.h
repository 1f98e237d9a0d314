// Recovery copies: while the stage has unsaved changes, this editor writes it now and then to
// a file of its own in the program's folder `recovery`, with the path of the map it belongs
// to, and holds a lock there for as long as it runs (RecoverySession.h). An editor that
// crashed, was killed or lost its power leaves its copy behind without a lock; the next editor
// that starts offers it back. Whatever goes wrong with that folder, the designer is never
// bothered: a copy that cannot be written is simply not there.
#pragma once
#include <windows.h>

#include <string>

// Starts this editor's session (its lock, the timer on the main window); once at start-up.
// Without a folder that can be written, nothing is started and nothing is ever written.
void StartRecoveryCopies(HWND mainWindow);

// The timer's work: writes the stage when it has changes the copy does not hold yet, never
// while a drag stroke is being drawn; removes the copy when the stage is no longer modified
// (undone back to the saved state).
void WriteRecoveryCopyIfDue();

// The stage was saved, or the designer dropped its changes: the copy goes.
void DropRecoveryCopy();

// The program ends normally: the copy and the lock go, the timer stops.
void EndRecoveryCopies();

// Once the main window and the palettes are up: each copy that no running editor holds is
// offered in turn ("restore?" with the map's path). Yes makes it the stage, modified, with the
// map's path as the current file (after the usual question when the stage holds changes of
// its own); No removes it; a damaged copy is refused as any damaged map and removed.
void OfferLeftBehindCopies();

// The interval of the timer in milliseconds: 20 s, or for tests the value of the variable
// PICORAN_RECOVERY_INTERVAL_MS between 100 and 20000.
UINT RecoveryCopyInterval();

// This editor's copy and lock (UTF-8), for tests; empty without a session.
std::string RecoveryCopyPath();
std::string RecoveryLockPath();
