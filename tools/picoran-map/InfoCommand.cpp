// info: a map's values for a person to read, the comment decoded for a UTF-8 terminal.
#include <map>
#include <ostream>

#include "CommandLine.h"
#include "CommentText.h"
#include "Commands.h"
#include "EditorPalettes.h"
#include "MapLoading.h"
#include "MapText.h"

namespace {

void PrintComment(const LoadedMap& map, std::ostream& out) {
    const MapDocument& doc = map.read.document;
    out << "comment: " << doc.comment.size() << " bytes\n";
    for (const std::string& text : CommentLines(doc.comment)) out << "  " << text << "\n";
}

void PrintLayer(const MapDocument& doc, int32_t layer, const EditorPalettes& palettes,
                std::ostream& out) {
    std::map<uint32_t, size_t> counts;  // ordered by chip id
    for (uint32_t id : LayerIds(doc, layer)) ++counts[id];
    out << "layer " << layer << (layer == 2 ? " (large chips)" : " (small chips)") << ":\n";
    for (const auto& [id, cells] : counts) {
        out << "  chip " << id << ": " << cells << (cells == 1 ? " cell" : " cells");
        if (id == 0) {
            out << " (empty)";
        } else if (!palettes.Holds(layer, id)) {
            out << " (in no palette)";
        }
        out << "\n";
    }
}

}  // namespace

int RunInfo(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "info", 1, "name exactly one map file", {}, {}, line, err))
        return kExitTrouble;
    const std::string& path = line.operands[0];
    LoadedMap map;
    if (!LoadMapOrReport(path, err, map)) return kExitTrouble;
    const MapDocument& doc = map.read.document;
    out << "file: " << path << "\n";
    out << "format: " << (map.isText ? "text map file" : "map data file") << "\n";
    out << "size: " << SizeText(doc) << "\n";
    out << "start position: " << StartText(doc) << "\n";
    for (int i = 0; i < 4; ++i) out << StageName(i) << ": " << StageValue(doc, i) << "\n";
    PrintComment(map, out);
    const EditorPalettes palettes;
    for (int32_t layer = 2; layer >= 0; --layer) PrintLayer(doc, layer, palettes, out);
    return kExitOk;
}
