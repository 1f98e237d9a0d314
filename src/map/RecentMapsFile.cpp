#include "map/RecentMapsFile.h"

#include <cstdint>
#include <vector>

#include "ProgramFolder.h"
#include "files/FileAccess.h"

namespace {

constexpr char kListFileName[] = "recent-files.txt";

}  // namespace

std::string RecentMapsFilePath() {
    const std::string folder = ProgramFolder();
    return folder.empty() ? std::string() : folder + "\\" + kListFileName;
}

RecentFiles ReadRecentMaps() {
    const std::string path = RecentMapsFilePath();
    std::vector<uint8_t> bytes;
    std::string reason;
    if (path.empty() ||
        files::ReadWholeFile(path, kRecentFilesMaxFileBytes, bytes, reason) != files::ReadStatus::kRead)
        return RecentFiles();
    return RecentFiles::FromFileBytes(bytes);
}

bool WriteRecentMaps(const RecentFiles& list) {
    const std::string path = RecentMapsFilePath();
    std::string reason;
    return !path.empty() && files::ReplaceFileContents(path, list.FileBytes(), reason);
}
