// The POSIX half of FileAccess.h: the C stdio for reading, open, write, fsync and rename for
// replacing. Paths are taken as they are: the file names of these systems are bytes.
#include "files/FileAccess.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

std::string Reason(const char* step, const std::string& file) {
    return std::string(step) + " " + file + ": " + std::strerror(errno);
}

// Opens a fresh file beside the target, so that the rename stays on one file system. Its
// name is short (".~" and five hex digits, ".tmp"), so that a target name of any length the
// system takes leaves room for it. O_EXCL guarantees no other file is reused, and the mode
// 0666 lets the umask decide as for any newly created file.
int CreateTemporary(const std::string& path, std::string& tempPath) {
    static unsigned counter = 0;
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const unsigned base = static_cast<unsigned>(getpid()) * 2654435761u;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[16];
        std::snprintf(name, sizeof(name), ".~%05x.tmp", (base + counter++) & 0xFFFFFu);
        tempPath = folder + name;
        const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// Makes the rename itself durable; a failure here cannot undo the save, so it is ignored.
void SyncFolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = open(folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

ReadStatus ReadWholeFile(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes,
                         std::string& reason) {
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        reason = std::strerror(errno);
        return ReadStatus::kCannotRead;
    }
    // Read in chunks up to one byte past the limit instead of trusting a size the file
    // reports: pipes have none, and a file may grow while it is read.
    uint8_t chunk[65536];
    ReadStatus status = ReadStatus::kRead;
    for (;;) {
        const size_t got = std::fread(chunk, 1, sizeof chunk, file);
        if (bytes.size() + got > maxBytes) {
            reason = "file is larger than " + std::to_string(maxBytes) + " bytes";
            status = ReadStatus::kTooLarge;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (got < sizeof chunk) {
            if (std::ferror(file)) {
                reason = std::strerror(errno);
                status = ReadStatus::kCannotRead;
            }
            break;
        }
    }
    std::fclose(file);
    if (status != ReadStatus::kRead) bytes.clear();
    return status;
}

bool ReplaceFileContents(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string& reason) {
    std::string temp;
    const int fd = CreateTemporary(path, temp);
    if (fd < 0) {
        reason = Reason("cannot create a temporary file beside", path);
        return false;
    }
    auto fail = [&](const char* step, const std::string& file) {
        reason = Reason(step, file);
        unlink(temp.c_str());
        return false;
    };
    struct stat old {};
    if (stat(path.c_str(), &old) == 0) fchmod(fd, old.st_mode & 07777);
    if (!WriteAll(fd, bytes)) {
        const int saved = errno;
        close(fd);
        errno = saved;
        return fail("cannot write", temp);
    }
    if (fsync(fd) != 0) {
        const int saved = errno;
        close(fd);
        errno = saved;
        return fail("cannot flush", temp);
    }
    if (close(fd) != 0) return fail("cannot close", temp);
    if (rename(temp.c_str(), path.c_str()) != 0) return fail("cannot replace", path);
    SyncFolderOf(path);
    return true;
}

bool FileIsMissing(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

bool MakeFolder(const std::string& path, std::string& reason) {
    if (mkdir(path.c_str(), 0777) == 0) return true;  // the umask decides, as for any folder
    struct stat info {};
    if (errno == EEXIST && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return true;
    reason = Reason("cannot make the folder", path);
    return false;
}

std::string RunningProgramPath() {
#ifdef __linux__
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", &path[0], path.size());
    if (length <= 0 || static_cast<size_t>(length) >= path.size()) return "";
    path.resize(static_cast<size_t>(length));
    return path;
#else
    return "";
#endif
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string FullPath(const std::string& path) {
    std::string full = path;
    if (full.empty() || full[0] != '/') {
        std::string here(4096, '\0');
        if (getcwd(&here[0], here.size()) == nullptr) return "";
        here.resize(std::strlen(here.c_str()));
        full = JoinPath(here, path);
    }
    std::vector<std::string> parts;
    size_t at = 0;
    while (at <= full.size()) {
        size_t slash = full.find('/', at);
        if (slash == std::string::npos) slash = full.size();
        const std::string part = full.substr(at, slash - at);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        at = slash + 1;
    }
    std::string result;
    for (const std::string& part : parts) result += "/" + part;
    return result.empty() ? "/" : result;
}

std::string LocalAppDataFolder() { return ""; }

bool ListFiles(const std::string& folder, std::vector<FolderEntry>& files, std::string& reason) {
    files.clear();
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        if (errno == ENOENT) return true;
        reason = Reason("cannot read the folder", folder);
        return false;
    }
    while (const dirent* entry = readdir(dir)) {
        struct stat info {};
        const std::string name = entry->d_name;
        if (stat(JoinPath(folder, name).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        const int64_t modified = static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        files.push_back(FolderEntry{name, static_cast<uint64_t>(info.st_size), modified});
    }
    closedir(dir);
    return true;
}

bool RemoveFile(const std::string& path, std::string& reason) {
    if (unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    reason = Reason("cannot remove", path);
    return false;
}

// flock, not fcntl's locks: a flock belongs to one opening of the file, so that a second
// opening in the same process finds it held as another process would.
bool LockFile::Create(const std::string& path, std::string& reason) {
    Release();
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        reason = Reason("cannot make", path);
        return false;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        reason = Reason("cannot lock", path);
        close(fd);
        unlink(path.c_str());
        return false;
    }
    handle_ = fd;
    path_ = path;
    return true;
}

void LockFile::Release() {
    if (handle_ == kNone) return;
    unlink(path_.c_str());  // while still held, so that no other process finds it free first
    close(static_cast<int>(handle_));
    handle_ = kNone;
    path_.clear();
}

bool LockFileIsHeld(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);  // also lets go of a lock taken just now
    return held;
}

}  // namespace files
