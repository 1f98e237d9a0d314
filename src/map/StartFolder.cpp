#include "map/StartFolder.h"

#include <windows.h>

#include "Editor.h"
#include "Globals.h"
#include "WideText.h"
#include "map/core/MapPaths.h"

void RememberStartFolder() {
    if (editor == nullptr) return;
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
    editor->startFolder =
        length > 0 && length < MAX_PATH ? Utf8FromWide(std::wstring(folder, length)) : std::string();
}

std::string PathFromStartFolder(const char* path) {
    return PathFromFolder(editor != nullptr ? editor->startFolder : std::string(), path != nullptr ? path : "");
}

std::wstring FullMapPath(const std::wstring& path) {
    const std::wstring fromStart = WideFromUtf8(PathFromStartFolder(Utf8FromWide(path).c_str()));
    const DWORD length = GetFullPathNameW(fromStart.c_str(), 0, nullptr, nullptr);
    if (length == 0) return fromStart;
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(fromStart.c_str(), length, &full[0], nullptr);
    if (written == 0 || written >= length) return fromStart;
    full.resize(written);
    return full;
}
