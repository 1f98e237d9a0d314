// Where render finds its pictures without --sheets. A tool copied elsewhere (or the Windows
// build, which cannot name a Linux source folder) carries them in res/ beside itself.
#include <cstdio>
#include <string>

#include "Commands.h"
#include "MapPictures.h"

#ifdef _WIN32
#include <windows.h>
#elif defined(__linux__)
#include <unistd.h>
#endif

#ifndef PICORAN_MAP_SHEETS_DIR
#define PICORAN_MAP_SHEETS_DIR "res"
#endif

namespace {

// The running program's full path, or "" where the system cannot tell.
std::string ProgramPath() {
    std::string path(4096, '\0');
#ifdef _WIN32
    const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) return "";  // a longer path is cut: not used
    path.resize(length);
#elif defined(__linux__)
    const ssize_t length = readlink("/proc/self/exe", &path[0], path.size());
    if (length <= 0 || static_cast<size_t>(length) >= path.size()) return "";
    path.resize(static_cast<size_t>(length));
#else
    path.clear();
#endif
    return path;
}

bool FileExists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

}  // namespace

std::string DefaultSheetsFolder() {
    const std::string program = ProgramPath();
    const size_t slash = program.find_last_of("/\\");
    if (slash != std::string::npos) {
        const std::string beside = program.substr(0, slash + 1) + "res";  // the path's own separator
        if (FileExists(beside + "/" + kSmallSheetFile)) return beside;
    }
    return PICORAN_MAP_SHEETS_DIR;
}
