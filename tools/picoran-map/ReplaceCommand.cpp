// replace: one chip replaced with another in many map files, in place, by the core's rule
// (ChipReplace.h) on the map the editor holds after opening each file, and written with Save's
// writer and atomic replace. A file that would not change is not written, so its bytes and its
// date stay; one that cannot be read is reported and the others are still done.
#include <ostream>

#include "ChipCodes.h"
#include "CommandLine.h"
#include "Commands.h"
#include "EditorPalettes.h"
#include "MapLoading.h"
#include "files/FileAccess.h"
#include "map/core/ChipReplace.h"
#include "map/core/MapFileWriter.h"

namespace {

std::string CellCount(size_t cells) { return std::to_string(cells) + (cells == 1 ? " cell" : " cells"); }

bool ChipOption(const CommandLine& line, const char* option, const EditorPalettes& palettes,
                bool eraserAllowed, ChipEntry& chip, std::ostream& err) {
    std::string reason;
    if (ChipOfCode(line.values.at(option), palettes, eraserAllowed, chip, reason)) return true;
    err << "picoran-map replace: " << option << ": " << reason << "\n";
    return false;
}

// The replacement in one file: the cells changed, or false with the trouble told on err.
bool ReplaceInFile(const std::string& path, const ChipEntry& from, const ChipEntry& to,
                   const EditorPalettes& palettes, bool dryRun, size_t& cells, std::ostream& err) {
    LoadedMap map;
    if (!LoadMapOrReport(path, err, map)) return false;
    if (map.isText) {
        err << path << ": not changed: a text map is never written over; convert it to a map data file first\n";
        return false;
    }
    MapDocument& doc = map.read.document;
    MapModel model;
    if (!palettes.BuildModel(doc, model)) {
        err << path << ": not changed: out of memory\n";
        return false;
    }
    const ChipReplacement replaced = ReplaceChipWrites(model, from, to);
    cells = replaced.cellsChanged;
    if (cells == 0 || dryRun) return true;
    // The file keeps chip ids only; the sheet positions of the cells written go with the map.
    for (const CellWrite& write : replaced.writes) {
        std::vector<uint32_t>& ids =
            write.layer == 2 ? doc.layer2Ids : write.layer == 1 ? doc.layer1Ids : doc.layer0Ids;
        ids[write.index] = write.cell.chipId;
    }
    std::string reason;
    if (!files::ReplaceFileContents(path, WriteBinaryMap(doc), reason)) {
        err << path << ": not written: " << reason << "\n";
        return false;
    }
    return true;
}

}  // namespace

int RunReplace(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "replace", 0, "no map file named", {"--dry-run"}, {"--chip", "--with"},
                              line, err))
        return kExitTrouble;
    if (line.values.count("--chip") == 0 || line.values.count("--with") == 0) {
        err << "picoran-map replace: name the chip with --chip CODE and its replacement with --with CODE\n";
        return kExitTrouble;
    }
    const EditorPalettes palettes;
    ChipEntry from, to;
    if (!ChipOption(line, "--chip", palettes, false, from, err) ||
        !ChipOption(line, "--with", palettes, true, to, err))
        return kExitTrouble;
    const bool dryRun = line.flags.count("--dry-run") != 0;
    const char* changed = dryRun ? " would change" : " changed";
    int status = kExitOk;
    size_t total = 0, filesChanged = 0, filesDone = 0;
    for (const std::string& path : line.operands) {
        size_t cells = 0;
        if (!ReplaceInFile(path, from, to, palettes, dryRun, cells, err)) {
            status = kExitTrouble;
            continue;
        }
        out << path << ": " << CellCount(cells) << changed << "\n";
        total += cells;
        filesChanged += cells > 0 ? 1 : 0;
        ++filesDone;
    }
    out << "total: " << CellCount(total) << changed << " in " << filesChanged << " of " << filesDone
        << (filesDone == 1 ? " file" : " files") << "\n";
    return status;
}
