// The Windows half of FileAccess.h: the W functions of the Windows API, with the interface's
// UTF-8 paths turned into UTF-16 and the system's reasons back into UTF-8, so that any path
// the system can open works whatever the ANSI code page.
#include "files/FileAccess.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace files {
namespace {

std::wstring Utf16(const std::string& utf8) {
    if (utf8.empty()) return std::wstring();
    const int length = static_cast<int>(utf8.size());
    const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    if (wide <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, &text[0], wide);
    return text;
}

std::string Utf8(const std::wstring& utf16) {
    if (utf16.empty()) return std::string();
    const int length = static_cast<int>(utf16.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return std::string();
    std::string text(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, &text[0], bytes, nullptr, nullptr);
    return text;
}

// The system's text for an error code, without a trailing line end.
std::string SystemErrorText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring result;
    if (length != 0 && text != nullptr) result.assign(text, length);
    if (text != nullptr) LocalFree(text);
    while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r' || result.back() == L' '))
        result.pop_back();
    if (result.empty()) {
        char number[32];
        std::snprintf(number, sizeof(number), "error %lu", static_cast<unsigned long>(error));
        return number;
    }
    return Utf8(result);
}

// Another program may hold the file open, even for writing; reading it is still safe, since
// a map is checked whole before anything is taken from it.
HANDLE OpenForReading(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The folder of path, with its separator; empty for a bare name.
std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

// Creates a new, empty file beside the target, so that the final move stays on one volume.
// Its name is short ("~" and five hex digits, ".tmp"), so that any target path the file
// dialog accepts leaves room for it. CREATE_NEW never takes over another file.
HANDLE CreateTemporaryBeside(const std::wstring& path, std::wstring& temporary) {
    static unsigned counter = 0;
    const std::wstring folder = FolderOf(path);
    const unsigned base = (GetCurrentProcessId() * 2654435761u) ^ GetTickCount();
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 64 && file == INVALID_HANDLE_VALUE; ++attempt) {
        char name[16];
        std::snprintf(name, sizeof(name), "~%05x.tmp", (base + counter++) & 0xFFFFFu);
        temporary = folder + std::wstring(name, name + std::strlen(name));  // ASCII as it is
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
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

ReadStatus ReadWholeFile(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes,
                         std::string& reason) {
    bytes.clear();
    HANDLE file = OpenForReading(Utf16(path));
    if (file == INVALID_HANDLE_VALUE) {
        reason = SystemErrorText(GetLastError());
        return ReadStatus::kCannotRead;
    }
    LARGE_INTEGER size;
    ReadStatus status = ReadStatus::kRead;
    if (!GetFileSizeEx(file, &size)) {
        reason = SystemErrorText(GetLastError());
        status = ReadStatus::kCannotRead;
    } else if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        reason = "file is larger than " + std::to_string(maxBytes) + " bytes";
        status = ReadStatus::kTooLarge;
    } else {
        bytes.assign(static_cast<size_t>(size.QuadPart), 0);
        size_t done = 0;
        while (status == ReadStatus::kRead && done < bytes.size()) {
            DWORD got = 0;
            const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
            if (!ReadFile(file, bytes.data() + done, want, &got, nullptr)) {
                reason = SystemErrorText(GetLastError());
                status = ReadStatus::kCannotRead;
            } else if (got == 0) {
                bytes.resize(done);  // the file shrank while being read
                break;
            }
            done += got;
        }
    }
    CloseHandle(file);
    if (status != ReadStatus::kRead) bytes.clear();
    return status;
}

bool ReplaceFileContents(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string& reason) {
    const std::wstring target = Utf16(path);
    std::wstring temporary;
    HANDLE file = CreateTemporaryBeside(target, temporary);
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
    if (ok && !MoveFileExW(temporary.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        error = GetLastError();
    }
    if (!ok) {
        reason = SystemErrorText(error);
        DeleteFileW(temporary.c_str());
    }
    return ok;
}

bool FileIsMissing(const std::string& path) {
    if (GetFileAttributesW(Utf16(path).c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool MakeFolder(const std::string& path, std::string& reason) {
    const std::wstring folder = Utf16(path);
    if (CreateDirectoryW(folder.c_str(), nullptr)) return true;
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (error == ERROR_ALREADY_EXISTS && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return true;
    reason = SystemErrorText(error);
    return false;
}

std::string RunningProgramPath() {
    std::wstring path(4096, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) return "";  // a longer path is cut: not used
    path.resize(length);
    return Utf8(path);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '\\' || folder.back() == '/' ? folder + name : folder + "\\" + name;
}

std::string FullPath(const std::string& path) {
    const std::wstring wide = Utf16(path);
    const DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (wide.empty() || length == 0) return "";
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(wide.c_str(), length, &full[0], nullptr);
    if (written == 0 || written >= length) return "";
    full.resize(written);
    return Utf8(full);
}

// The variable comes first: Windows sets it to the known folder for every program.
std::string LocalAppDataFolder() {
    wchar_t fromEnvironment[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", fromEnvironment, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return Utf8(fromEnvironment);

    PWSTR known = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &known)))
        folder = known;
    CoTaskMemFree(known);
    return Utf8(folder);
}

bool ListFiles(const std::string& folder, std::vector<FolderEntry>& files, std::string& reason) {
    files.clear();
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Utf16(JoinPath(folder, "*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return true;
        reason = SystemErrorText(error);
        return false;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        const uint64_t size = (uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
        const int64_t modified = static_cast<int64_t>((uint64_t{found.ftLastWriteTime.dwHighDateTime} << 32) |
                                                      found.ftLastWriteTime.dwLowDateTime);
        files.push_back(FolderEntry{Utf8(found.cFileName), size, modified});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return true;
}

bool RemoveFile(const std::string& path, std::string& reason) {
    if (DeleteFileW(Utf16(path).c_str())) return true;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return true;
    reason = SystemErrorText(error);
    return false;
}

// Opened without sharing, so that no other opening succeeds while it is held, and removed by
// the system when the last handle closes, also when the process is killed.
bool LockFile::Create(const std::string& path, std::string& reason) {
    Release();
    HANDLE file = CreateFileW(Utf16(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        reason = SystemErrorText(GetLastError());
        return false;
    }
    handle_ = reinterpret_cast<intptr_t>(file);
    path_ = path;
    return true;
}

void LockFile::Release() {
    if (handle_ == kNone) return;
    CloseHandle(reinterpret_cast<HANDLE>(handle_));  // removes the file
    handle_ = kNone;
    path_.clear();
}

bool LockFileIsHeld(const std::string& path) {
    HANDLE file = CreateFileW(Utf16(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    // A file being removed as its holder ends cannot be opened either, but nobody holds it.
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

}  // namespace files
