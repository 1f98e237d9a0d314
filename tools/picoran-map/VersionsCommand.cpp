// versions: the versions of a map that the editor kept when Save replaced it, newest first,
// from the editor's own folder or the folder --folder names.
#include <map>
#include <ostream>

#include "CommandLine.h"
#include "Commands.h"
#include "core/ClockTime.h"
#include "core/ProgramFolderNames.h"
#include "files/FileAccess.h"
#include "map/core/VersionRules.h"

namespace {

#ifndef _WIN32
// "C:\...", "C:/...", "\\server\...": a full Windows path.
bool IsWindowsFullPath(const std::string& path) {
    const bool drive = path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) &&
                       path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    return drive || path.compare(0, 2, "\\\\") == 0;
}
#endif

// The map as the editor names it, by its full path. The editor under Wine on another system
// names it by its Windows path ("Z:\home\..."): given so, that path is taken as it is.
std::string EditorMapPath(const std::string& operand) {
#ifndef _WIN32
    if (IsWindowsFullPath(operand)) return operand;
#endif
    return files::FullPath(operand);
}

// The versions folder in the local application data, where the editor keeps it; "" where the
// system has no such folder.
std::string EditorVersionsFolder() {
    const std::string local = files::LocalAppDataFolder();
    if (local.empty()) return "";
    return files::JoinPath(files::JoinPath(local, kProgramFolderName), kVersionsFolderName);
}

}  // namespace

int RunVersions(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "versions", 1, "name exactly one map file", {}, {"--folder"}, line, err))
        return kExitTrouble;
    const auto given = line.values.find("--folder");
    const std::string folder = given != line.values.end() ? given->second : EditorVersionsFolder();
    if (folder.empty()) {
        err << "picoran-map versions: this system has no editor's folder; name the versions "
               "folder with --folder DIR\n";
        return kExitTrouble;
    }
    const std::string map = EditorMapPath(line.operands[0]);
    if (map.empty()) {
        err << "picoran-map versions: " << line.operands[0] << ": cannot make a full path\n";
        return kExitTrouble;
    }
    std::vector<files::FolderEntry> entries;
    std::string reason;
    if (!files::ListFiles(folder, entries, reason)) {
        err << "picoran-map versions: " << folder << ": cannot read the folder: " << reason << "\n";
        return kExitTrouble;
    }
    std::vector<std::string> names;
    std::map<std::string, uint64_t> sizes;
    for (const files::FolderEntry& entry : entries) {
        names.push_back(entry.name);
        sizes[entry.name] = entry.size;
    }
    const std::vector<std::string> versions = VersionsOfMap(map, names);
    for (const std::string& name : versions) {
        VersionNameParts parts;
        ParseVersionName(name, parts);
        out << ClockTimeText(parts.time) << "  " << sizes[name] << "  " << files::JoinPath(folder, name) << "\n";
    }
    if (versions.empty()) err << "picoran-map versions: no versions of " << map << " in " << folder << "\n";
    return kExitOk;
}
