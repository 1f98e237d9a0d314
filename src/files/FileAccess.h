// Files as the editor and the map tool use them: read whole into memory, and replaced so that
// afterwards a file is either the old one or the complete new one, never a mix. One interface
// with a half for each platform (src/files/posix, src/files/win32), of which CMake builds the
// one it targets. Paths and reasons are UTF-8 on every platform.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace files {

enum class ReadStatus {
    kRead,        // bytes hold the whole file
    kCannotRead,  // it cannot be opened or read: reason is the system's
    kTooLarge,    // it holds more than maxBytes: reason is "file is larger than N bytes"
};

// Reads the whole file at path, but never more than maxBytes of it. bytes is empty unless
// the file was read.
ReadStatus ReadWholeFile(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes,
                         std::string& reason);

// Writes bytes to a new file beside path, checks every write, the flush and the close, and
// only then moves it over path in one step. On any failure path is as it was, the new file
// is removed, reason says what went wrong and the result is false. On POSIX a replaced file
// keeps its permission bits.
bool ReplaceFileContents(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string& reason);

// True only when the system says that nothing is at path, or that its folder does not exist:
// a file that is there but cannot be read (locked, no permission, a drive that does not
// answer) is not missing.
bool FileIsMissing(const std::string& path);

// Makes the folder at path unless one is there already; its parent folder must exist. True
// when the folder is there afterwards; otherwise reason says why.
bool MakeFolder(const std::string& path, std::string& reason);

// The running program's own file, or "" where the system cannot tell.
std::string RunningProgramPath();

// ---- The program's own folder: what it keeps between runs and beside a running editor.

// The folder path joined with a name by the system's separator ("\\" on Windows, "/" elsewhere).
std::string JoinPath(const std::string& folder, const std::string& name);

// The path as a full path from the working folder, with "." and ".." taken away by its text
// only, so that a file that is not there (any more) has one too. "" when it cannot be made.
std::string FullPath(const std::string& path);

// The folder the system keeps each user's local application data in: on Windows the folder
// the variable LOCALAPPDATA names (a test gives a run a folder of its own with it), else the
// known folder Local AppData. "" elsewhere, and when the system names none.
std::string LocalAppDataFolder();

struct FolderEntry {
    std::string name;   // the file's name in the folder, UTF-8
    uint64_t size = 0;  // in bytes
    // When it was last written, in the system's own units: only for telling whether a file
    // changed between two listings. 0 where the system gives none.
    int64_t modified = 0;
};

// The files (not the folders) in a folder, in no particular order. False, with the system's
// reason, when the folder cannot be read; a folder that is not there is read as empty.
bool ListFiles(const std::string& folder, std::vector<FolderEntry>& files, std::string& reason);

// The names of the files in a folder; none when it cannot be listed.
inline std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::string reason;
    std::vector<std::string> names;
    if (ListFiles(folder, entries, reason))
        for (const FolderEntry& entry : entries) names.push_back(entry.name);
    return names;
}

// Removes the file at path. True also when it was not there.
bool RemoveFile(const std::string& path, std::string& reason);

// A file this process holds open so that other processes can tell it is running: as long as
// the object holds it, LockFileIsHeld says so to every process, this one included. When the
// process ends in any way, crash and kill included, the system lets it go (on Windows it
// also removes it); only a power cut leaves one that nobody holds.
class LockFile {
public:
    LockFile() = default;
    ~LockFile() { Release(); }
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Makes the file at path, which must not exist yet, and holds it. False, holding
    // nothing, with the system's reason, when it cannot.
    bool Create(const std::string& path, std::string& reason);
    bool IsHeld() const { return handle_ != kNone; }
    const std::string& Path() const { return path_; }
    // Removes the file and lets it go; nothing when nothing is held.
    void Release();

private:
    static constexpr intptr_t kNone = -1;
    intptr_t handle_ = kNone;  // a file descriptor or a HANDLE
    std::string path_;
};

// True when a LockFile of a running process holds the file at path; false when nobody
// does, or nothing is there.
bool LockFileIsHeld(const std::string& path);

}  // namespace files
