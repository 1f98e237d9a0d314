#include "map/Win32Files.h"

#include <algorithm>
#include <cstdio>

#include "core/Texts.h"

std::string SystemErrorText(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result;
    if (length != 0 && text != nullptr) result.assign(text, length);
    if (text != nullptr) LocalFree(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
        result.pop_back();
    if (result.empty()) {
        char number[32];
        std::snprintf(number, sizeof(number), "error %lu", static_cast<unsigned long>(error));
        result = number;
    }
    return result;
}

bool ReadWholeFile(const char* path, size_t maxBytes, std::vector<uint8_t>& bytes,
                   std::string& reason) {
    // Another program may hold the map open, even for writing; reading it is still safe,
    // since the whole file is checked before anything is taken from it.
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        reason = SystemErrorText(GetLastError());
        return false;
    }
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(file, &size) != 0;
    if (!ok) {
        reason = SystemErrorText(GetLastError());
    } else if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        reason = texts::kFileTooLarge;
        ok = false;
    } else {
        bytes.assign(static_cast<size_t>(size.QuadPart), 0);
        size_t done = 0;
        while (ok && done < bytes.size()) {
            DWORD got = 0;
            const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
            if (!ReadFile(file, bytes.data() + done, want, &got, nullptr)) {
                reason = SystemErrorText(GetLastError());
                ok = false;
            } else if (got == 0) {
                bytes.resize(done);  // the file shrank while being read
                break;
            }
            done += got;
        }
    }
    CloseHandle(file);
    return ok;
}

namespace {

// The folder part of path, with its separator; empty for a bare name.
std::string FolderOf(const char* path) {
    const std::string text(path);
    const size_t slash = text.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : text.substr(0, slash + 1);
}

// Creates a new, empty file beside the target, so that the final move stays on one volume.
// Its name is short ("~" and five hex digits, ".tmp"), so that any target path the file
// dialog accepts leaves room for it. CREATE_NEW never takes over another file.
HANDLE CreateTemporaryBeside(const char* path, std::string& temporary) {
    static unsigned counter = 0;
    const std::string folder = FolderOf(path);
    const unsigned base = (GetCurrentProcessId() * 2654435761u) ^ GetTickCount();
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 64 && file == INVALID_HANDLE_VALUE; ++attempt) {
        char name[16];
        std::snprintf(name, sizeof(name), "~%05x.tmp", (base + counter++) & 0xFFFFFu);
        temporary = folder + name;
        file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    return file;
}

bool WriteAll(HANDLE file, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

bool ReplaceFileContents(const char* path, const std::vector<uint8_t>& bytes, std::string& reason) {
    std::string temporary;
    HANDLE file = CreateTemporaryBeside(path, temporary);
    if (file == INVALID_HANDLE_VALUE) {
        reason = SystemErrorText(GetLastError());
        return false;
    }
    bool ok = WriteAll(file, bytes) && FlushFileBuffers(file);
    DWORD error = ok ? 0 : GetLastError();
    if (!CloseHandle(file) && ok) {
        ok = false;
        error = GetLastError();
    }
    if (ok && !MoveFileExA(temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        error = GetLastError();
    }
    if (!ok) {
        reason = SystemErrorText(error);
        DeleteFileA(temporary.c_str());
    }
    return ok;
}
