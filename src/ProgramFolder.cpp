#include "ProgramFolder.h"

#include "core/ProgramFolderNames.h"
#include "files/FileAccess.h"

std::string ProgramFolder() {
    const std::string localAppData = files::LocalAppDataFolder();
    if (localAppData.empty()) return std::string();
    const std::string path = files::JoinPath(localAppData, kProgramFolderName);
    std::string reason;
    return files::MakeFolder(path, reason) ? path : std::string();
}

std::string ProgramSubfolder(const char* name) {
    const std::string folder = ProgramFolder();
    if (folder.empty()) return std::string();
    const std::string path = files::JoinPath(folder, name);
    std::string reason;
    return files::MakeFolder(path, reason) ? path : std::string();
}
