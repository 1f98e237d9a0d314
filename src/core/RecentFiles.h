// The maps opened or saved last, newest first, as the ファイル menu lists them, and the small
// UTF-8 text file that keeps them between runs:
//
//     picoran-editor recent files 1
//     C:\maps\stage2.bin
//     C:\maps\stage1.bin
//
// one path a line, lines ending in CR LF (a plain LF is read too). A file that is not such a
// list, however little is wrong with it, is an empty list: it is only ever a convenience.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr size_t kRecentFilesLimit = 8;
// A list file larger than this is not one the program wrote.
constexpr size_t kRecentFilesMaxFileBytes = 64 * 1024;

class RecentFiles {
public:
    // UTF-8 paths, newest first, no two naming the same file as Windows compares them.
    const std::vector<std::string>& Paths() const { return paths_; }

    // Puts path first; an older entry for the same file goes, and so does the ninth entry.
    // An empty path, or one that is not UTF-8 or holds a line break, is not taken.
    void Add(const std::string& path);
    // Takes the entry for the same file out; false when there was none.
    bool Remove(const std::string& path);

    // The list a file holds; an empty list for anything but a list this class wrote.
    static RecentFiles FromFileBytes(const std::vector<uint8_t>& bytes);
    std::vector<uint8_t> FileBytes() const;

private:
    std::vector<std::string> paths_;
};
