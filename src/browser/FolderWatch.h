// Tells a window when the files of a folder change: a file added, removed, renamed or
// written. A thread of its own waits on the system's change notification and posts the
// message to the window; the window then looks at the folder itself, on its own thread, so
// nothing is shared but the message.
#pragma once
#include <windows.h>

#include <string>

class FolderWatch {
public:
    FolderWatch() = default;
    ~FolderWatch() { Stop(); }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // Watches the folder (UTF-16 path), posting `message` to `target` after each change; a
    // burst of changes, as a save makes, may give one message or several. Stops any earlier
    // watch first. False, watching nothing, when the system cannot watch the folder.
    bool Start(const std::wstring& folder, HWND target, UINT message);
    // Ends the watch and waits for its thread; nothing when none runs.
    void Stop();
    bool Watching() const { return thread != nullptr; }

private:
    HANDLE change = INVALID_HANDLE_VALUE;
    HANDLE stop = nullptr;
    HANDLE thread = nullptr;
    HWND target = nullptr;
    UINT message = 0;

    static DWORD WINAPI Run(void* self);
};
