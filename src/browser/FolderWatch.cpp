#include "browser/FolderWatch.h"

namespace {

constexpr DWORD kWatched = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;

}  // namespace

bool FolderWatch::Start(const std::wstring& folder, HWND window, UINT notice) {
    Stop();
    change = FindFirstChangeNotificationW(folder.c_str(), FALSE, kWatched);
    if (change == INVALID_HANDLE_VALUE) return false;
    stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    target = window;
    message = notice;
    thread = stop != nullptr ? CreateThread(nullptr, 0, Run, this, 0, nullptr) : nullptr;
    if (thread == nullptr) {
        Stop();
        return false;
    }
    return true;
}

void FolderWatch::Stop() {
    if (thread != nullptr) {
        SetEvent(stop);
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        thread = nullptr;
    }
    if (stop != nullptr) CloseHandle(stop);
    stop = nullptr;
    if (change != INVALID_HANDLE_VALUE) FindCloseChangeNotification(change);
    change = INVALID_HANDLE_VALUE;
}

// Reads only what Start wrote before the thread began and Stop writes after it ended.
DWORD WINAPI FolderWatch::Run(void* self) {
    FolderWatch& watch = *static_cast<FolderWatch*>(self);
    const HANDLE waits[2] = {watch.stop, watch.change};
    for (;;) {
        const DWORD woken = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
        if (woken != WAIT_OBJECT_0 + 1) return 0;  // stopped, or the wait failed
        PostMessageW(watch.target, watch.message, 0, 0);
        if (!FindNextChangeNotification(watch.change)) return 0;
    }
}
