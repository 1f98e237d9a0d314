#include "map/core/MapPaths.h"

#include <cstring>

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Offset where the last path component starts.
size_t NameStart(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? 0 : slash + 1;
}

bool IsAbsolute(const std::string& path) {
    if (!path.empty() && IsSeparator(path[0])) return true;
    const char drive = path.size() >= 2 ? path[0] : '\0';
    return path.size() >= 2 && path[1] == ':' &&
           ((drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z'));
}

}  // namespace

bool IsTextMapPath(const char* path) {
    if (path == nullptr) return false;
    const std::string text(path);
    const size_t dot = text.find_last_of('.');
    if (dot == std::string::npos || dot < NameStart(text) || text.size() - dot != 4) return false;
    static const char kExtension[] = "txt";
    for (int i = 0; i < 3; ++i) {
        char c = text[dot + 1 + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kExtension[i]) return false;
    }
    return true;
}

std::string MapDataPathFor(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < NameStart(path)) return path + ".bin";
    return path.substr(0, dot) + ".bin";
}

std::string PathFromFolder(const std::string& folder, const std::string& path) {
    if (folder.empty() || IsAbsolute(path)) return path;
    return IsSeparator(folder.back()) ? folder + path : folder + "\\" + path;
}
