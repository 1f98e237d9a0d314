#include "FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

bool ReadFileBytes(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes,
                   std::string& error) {
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    // Read in chunks up to one byte past the limit instead of trusting a size the file
    // reports: pipes have none, and a file may grow while it is read.
    uint8_t chunk[65536];
    bool ok = true;
    for (;;) {
        const size_t got = std::fread(chunk, 1, sizeof chunk, file);
        if (bytes.size() + got > maxBytes) {
            error = "file is larger than " + std::to_string(maxBytes) + " bytes";
            ok = false;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (got < sizeof chunk) {
            if (std::ferror(file)) {
                error = std::strerror(errno);
                ok = false;
            }
            break;
        }
    }
    std::fclose(file);
    if (!ok) bytes.clear();
    return ok;
}
