#include "map/StartFolder.h"

#include <windows.h>

#include "WideText.h"
#include "map/core/MapPaths.h"

namespace {

std::string startFolder;  // UTF-8

}  // namespace

void RememberStartFolder() {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
    startFolder = length > 0 && length < MAX_PATH ? Utf8FromWide(std::wstring(folder, length)) : std::string();
}

std::string PathFromStartFolder(const char* path) {
    return PathFromFolder(startFolder, path != nullptr ? path : "");
}
