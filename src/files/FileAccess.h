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

// True when the file at path can be opened for reading.
bool FileOpensForReading(const std::string& path);

// True only when the system says that nothing is at path, or that its folder does not exist:
// a file that is there but cannot be read (locked, no permission, a drive that does not
// answer) is not missing.
bool FileIsMissing(const std::string& path);

// Makes the folder at path unless one is there already; its parent folder must exist. True
// when the folder is there afterwards; otherwise reason says why.
bool MakeFolder(const std::string& path, std::string& reason);

// The running program's own file, or "" where the system cannot tell.
std::string RunningProgramPath();

}  // namespace files
