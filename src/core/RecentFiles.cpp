#include "core/RecentFiles.h"

#include <algorithm>

#include "core/Utf8Text.h"
#include "core/WindowsPathCase.h"

namespace {

const char kHeader[] = "picoran-editor recent files 1";
const char kUtf8Bom[] = "\xEF\xBB\xBF";  // an editor may add it when the file is saved by hand

// The entry that names the same file as Windows compares names.
std::vector<std::string>::iterator FindSameFile(std::vector<std::string>& paths, const std::string& path) {
    const std::string key = WindowsPathKey(path);
    return std::find_if(paths.begin(), paths.end(),
                        [&](const std::string& p) { return WindowsPathKey(p) == key; });
}

// The lines of the text, each without its CR LF or LF; false when the last line has no line
// end (a list the program wrote always ends with one, so a file cut short shows).
bool SplitLines(const std::string& text, std::vector<std::string>& lines) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos) return false;
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        lines.push_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return true;
}

}  // namespace

void RecentFiles::Add(const std::string& path) {
    if (!IsSingleLineUtf8(path)) return;
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kRecentFilesLimit) paths_.resize(kRecentFilesLimit);
}

bool RecentFiles::Remove(const std::string& path) {
    const auto found = FindSameFile(paths_, path);
    if (found == paths_.end()) return false;
    paths_.erase(found);
    return true;
}

RecentFiles RecentFiles::FromFileBytes(const std::vector<uint8_t>& bytes) {
    RecentFiles none;
    if (bytes.size() > kRecentFilesMaxFileBytes) return none;
    std::string text(bytes.begin(), bytes.end());
    if (text.compare(0, sizeof(kUtf8Bom) - 1, kUtf8Bom) == 0) text.erase(0, sizeof(kUtf8Bom) - 1);
    std::vector<std::string> lines;
    if (!SplitLines(text, lines) || lines.empty() || lines.front() != kHeader) return none;
    if (lines.size() - 1 > kRecentFilesLimit) return none;

    RecentFiles list;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (!IsSingleLineUtf8(lines[i])) return none;
        if (FindSameFile(list.paths_, lines[i]) == list.paths_.end())
            list.paths_.push_back(lines[i]);  // the newer spelling stands
    }
    return list;
}

std::vector<uint8_t> RecentFiles::FileBytes() const {
    std::string text = std::string(kHeader) + "\r\n";
    for (const std::string& path : paths_) text += path + "\r\n";
    return std::vector<uint8_t>(text.begin(), text.end());
}
