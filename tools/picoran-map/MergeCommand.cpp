// merge: the three-way merge of maps (MapMerge.h) as a merge driver for git. git runs the
// driver with the base, ours and theirs (%O %A %B) and takes the file it leaves in %A (-o %A)
// and its exit status: 0 merged cleanly, anything else a conflict. The merged map keeps ours
// in every conflict; each conflict is listed on standard output, and the conflicts file beside
// the output (MergeConflictsFile.h) records them for the editor. A clean merge removes a
// conflicts file an earlier merge left there, which would mark conflicts that are gone.
#include <ostream>

#include "CommandLine.h"
#include "Commands.h"
#include "MapDataOutput.h"
#include "MapLoading.h"
#include "MapText.h"
#include "files/FileAccess.h"
#include "map/core/MapFileWriter.h"
#include "map/core/MergeConflictsFile.h"

namespace {

std::string FieldText(const MapDocument& doc, MergeField field) {
    switch (field) {
        case MergeField::kSize: return SizeText(doc);
        case MergeField::kStart: return doc.startUnspecified ? "not specified" : StartText(doc);
        case MergeField::kTargetTime: return std::to_string(doc.targetTime);
        case MergeField::kTimeLimit: return std::to_string(doc.timeLimit);
        case MergeField::kBackgroundImage: return std::to_string(doc.backgroundImage);
        case MergeField::kMusic: return std::to_string(doc.music);
        case MergeField::kComment: return CommentText(doc);
    }
    return std::string();
}

// The field's name as diff and info write it.
std::string FieldName(MergeField field) {
    switch (field) {
        case MergeField::kSize: return "size";
        case MergeField::kStart: return "start position";
        case MergeField::kComment: return "comment";
        default: return StageName(static_cast<int>(field) - static_cast<int>(MergeField::kTargetTime));
    }
}

std::string CellText(const MergeCellValue& value) { return value.present ? std::to_string(value.id) : "none"; }

void ListConflicts(const MergeConflicts& conflicts, std::ostream& out) {
    for (MergeField field : conflicts.fields) {
        out << "conflict: " << FieldName(field) << ": base " << FieldText(conflicts.base, field) << "; ours "
            << FieldText(conflicts.ours, field) << "; theirs " << FieldText(conflicts.theirs, field) << "\n";
    }
    for (const CellConflict& cell : conflicts.cells) {
        out << "conflict: layer " << int{cell.layer} << ": column " << cell.column << ", row " << cell.row
            << ": base " << CellText(cell.base) << "; ours " << CellText(cell.ours) << "; theirs "
            << CellText(cell.theirs) << "\n";
    }
}

bool WriteBytes(const std::string& path, const std::string& text, std::ostream& err) {
    std::string reason;
    if (files::ReplaceFileContents(path, std::vector<uint8_t>(text.begin(), text.end()), reason)) return true;
    err << path << ": not written: " << reason << "\n";
    return false;
}

}  // namespace

int RunMerge(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "merge", 3, "name BASE, OURS and THEIRS, and the output with -o OUT", {},
                              {"-o", "--conflicts"}, line, err))
        return kExitTrouble;
    if (line.values.count("-o") == 0) {
        err << "picoran-map merge: name the output with -o OUT\n";
        return kExitTrouble;
    }
    const std::string& outPath = line.values.at("-o");
    const std::string conflictsPath =
        line.values.count("--conflicts") != 0 ? line.values.at("--conflicts") : MergeConflictsPathFor(outPath);
    if (!IsMapDataOutput("merge", outPath, err)) return kExitTrouble;
    LoadedMap maps[3];
    for (int i = 0; i < 3; ++i)
        if (!LoadMapOrReport(line.operands[i], err, maps[i])) return kExitTrouble;
    const MapMergeResult result = MergeMaps(maps[0].read.document, maps[1].read.document, maps[2].read.document);
    const std::vector<uint8_t> bytes = WriteBinaryMap(result.merged);
    std::string reason;
    if (bytes.empty() || !files::ReplaceFileContents(outPath, bytes, reason)) {
        err << outPath << ": not written: " << (bytes.empty() ? "the map cannot be written" : reason) << "\n";
        return kExitTrouble;
    }
    const MergeConflicts& conflicts = result.conflicts;
    if (conflicts.Empty()) {
        if (files::RemoveFile(conflictsPath, reason)) return kExitOk;
        err << conflictsPath << ": the conflicts of an earlier merge are not removed: " << reason << "\n";
        return kExitTrouble;
    }
    ListConflicts(conflicts, out);
    if (!WriteBytes(conflictsPath, MergeConflictsToJson(conflicts), err)) return kExitTrouble;
    const size_t count = conflicts.fields.size() + conflicts.cells.size();
    out << outPath << ": " << count << (count == 1 ? " conflict" : " conflicts") << ", ours kept; listed in "
        << conflictsPath << "\n";
    return kExitNo;
}
