#include "map/DroppedMaps.h"

#include <string>

#include "UnsavedChanges.h"
#include "map/MapOpening.h"

void AcceptDroppedMaps(HWND window) {
    if (window != nullptr) DragAcceptFiles(window, TRUE);
}

void OpenDroppedMap(HDROP drop) {
    std::wstring first;
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
        const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
        first.resize(length + 1);
        first.resize(DragQueryFileW(drop, 0, &first[0], length + 1));
    }
    DragFinish(drop);
    if (first.empty() || !ConfirmDropChanges()) return;
    OpenMapPath(first);
}
