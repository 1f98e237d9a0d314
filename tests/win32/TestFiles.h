// Files and folders for the Windows-side tests, in the system's temporary folder.
#pragma once
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "map/core/MapDocument.h"

// An ASCII or UTF-8 text as UTF-16, the way the program holds paths.
inline std::wstring Wide(const std::string& utf8) {
    std::wstring out(utf8.size(), L'\0');
    out.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(),
                                                       static_cast<int>(utf8.size()), &out[0],
                                                       static_cast<int>(out.size()))));
    return out;
}

inline std::string TempPath(const std::string& name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// The temporary folder itself, without a trailing separator.
inline std::string TempFolder() {
    const std::string path = TempPath("");
    return path.substr(0, path.size() - 1);
}

// A map of 680 x 480 pixels (17 x 12 cells) with nothing in it: a stage that is not the new one.
inline MapDocument EmptyStageMap() {
    MapDocument map;
    map.mapWidth = 680;
    for (auto* layer : {&map.layer0Ids, &map.layer1Ids, &map.layer2Ids}) layer->assign(17 * 12, 0);
    return map;
}

// Bytes as a string, to compare with FileBytes.
inline std::string Bytes(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

inline std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

inline bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// How many files in a folder match a pattern such as "~*.tmp" (folders do not count).
inline int CountFiles(const std::string& folder, const char* pattern) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

// A fresh, empty folder in the temporary folder, removed again with everything in it.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name) : path_(TempPath(name)) {
        Remove(path_);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { Remove(path_); }
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

    static void Remove(const std::string& folder) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                const std::string path = folder + "\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    Remove(path);
                } else {
                    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(path.c_str());
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

private:
    std::string path_;
};

// A local application data folder of its own for everything that starts the editor in this
// process, the editor itself and any program it starts, so that nothing one test keeps (the
// recent maps, recovery copies, versions) reaches another. Removed with all it holds. Every
// test that starts the editor holds one (EditorTest has its own); scripts/test.sh fails a run
// that wrote into the editor's folder in the prefix's own profile.
class ProfileFolder {
public:
    ProfileFolder()
        : folder_("picoran-profile-" + std::to_string(GetCurrentProcessId()) + "-" +
                  std::to_string(++count_)) {
        char previous[MAX_PATH] = {};
        const DWORD length = GetEnvironmentVariableA("LOCALAPPDATA", previous, MAX_PATH);
        hadPrevious_ = length > 0 && length < MAX_PATH;
        previous_ = previous;
        SetEnvironmentVariableA("LOCALAPPDATA", folder_.Path().c_str());
    }
    ~ProfileFolder() {
        SetEnvironmentVariableA("LOCALAPPDATA", hadPrevious_ ? previous_.c_str() : nullptr);
    }
    ProfileFolder(const ProfileFolder&) = delete;
    ProfileFolder& operator=(const ProfileFolder&) = delete;
    const std::string& Path() const { return folder_.Path(); }
    // The program's own folder inside it.
    std::string ProgramFolder() const { return folder_ / "picoran-editor"; }

private:
    static inline int count_ = 0;
    ScratchFolder folder_;
    std::string previous_;
    bool hadPrevious_ = false;
};

#ifdef PICORAN_HAS_MAP_TOOL
// picoran-map.exe beside the tests, with this process's environment; its exit code and what it
// printed.
inline DWORD RunMapTool(const std::string& arguments, std::string& output) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string tool(exe);
    tool = tool.substr(0, tool.find_last_of("\\/") + 1) + "picoran-map.exe";
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0)) return 1000;
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    std::string commandLine = "\"" + tool + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(write);
    if (!started) {
        CloseHandle(read);
        return 1001;
    }
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(read, chunk, sizeof chunk, &got, nullptr) && got > 0) output.append(chunk, got);
    CloseHandle(read);
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = 1002;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}
#endif
