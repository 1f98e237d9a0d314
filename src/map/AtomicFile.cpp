#ifndef _WIN32
#include "map/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason(const char* step, const std::string& file) {
    return std::string(step) + " " + file + ": " + std::strerror(errno);
}

// Opens a fresh file beside the target; O_EXCL guarantees no other file is reused, and the
// mode 0666 lets the umask decide as for any newly created file.
int CreateTemporary(const std::string& path, std::string& tempPath) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter++);
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

bool WriteFileAtomically(const char* path, const std::vector<uint8_t>& bytes,
                         std::string& error) {
    const std::string target = path;
    std::string temp;
    const int fd = CreateTemporary(target, temp);
    if (fd < 0) {
        error = Reason("cannot create a temporary file beside", target);
        return false;
    }
    auto fail = [&](const char* step, const std::string& file) {
        error = Reason(step, file);
        unlink(temp.c_str());
        return false;
    };
    struct stat old {};
    if (stat(target.c_str(), &old) == 0) fchmod(fd, old.st_mode & 07777);
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
    if (rename(temp.c_str(), target.c_str()) != 0) return fail("cannot replace", target);
    SyncFolderOf(target);
    return true;
}
#endif  // _WIN32
