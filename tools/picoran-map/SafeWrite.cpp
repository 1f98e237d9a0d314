// The platform's own never-destroying replacement: the editor's Win32 code (MoveFileEx) on
// Windows, the core's POSIX rename elsewhere.
#include "SafeWrite.h"

#ifdef _WIN32
#include <windows.h>

#include "map/Win32Files.h"

namespace {

// The system's reasons come in the ANSI code page; everything else the tool prints is UTF-8.
std::string AnsiToUtf8(const std::string& text) {
    if (text.empty()) return text;
    const int length = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (wide <= 0) return text;
    std::wstring utf16(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, &utf16[0], wide);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return text;
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, &utf8[0], bytes, nullptr, nullptr);
    return utf8;
}

}  // namespace

bool ReplaceFileSafely(const std::string& path, const std::vector<uint8_t>& bytes,
                       std::string& error) {
    std::string reason;
    if (ReplaceFileContents(path.c_str(), bytes, reason)) return true;
    error = AnsiToUtf8(reason);
    return false;
}

#else
#include "map/AtomicFile.h"

bool ReplaceFileSafely(const std::string& path, const std::vector<uint8_t>& bytes,
                       std::string& error) {
    return WriteFileAtomically(path.c_str(), bytes, error);
}
#endif
