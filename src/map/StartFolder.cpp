#include "map/StartFolder.h"

#include <windows.h>

#include "map/core/MapPaths.h"

namespace {

std::string startFolder;

}  // namespace

void RememberStartFolder() {
    char folder[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof(folder), folder);
    startFolder = length > 0 && length < sizeof(folder) ? std::string(folder, length) : std::string();
}

std::string PathFromStartFolder(const char* path) {
    return PathFromFolder(startFolder, path != nullptr ? path : "");
}
