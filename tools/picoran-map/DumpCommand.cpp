// dump: everything in a map file as stable lines, for git's textconv: one line per value and
// one per map row and layer, each saying what it is, so a changed cell changes one line.
#include <cstdio>
#include <ostream>

#include "CommandLine.h"
#include "Commands.h"
#include "MapLoading.h"
#include "MapText.h"

namespace {

void DumpBinaryFields(const MapDataFileReport& fields, std::ostream& out) {
    out << "offset field: " << fields.offsetField << "\n";
    out << "reserved block: count " << fields.reservedCount << ", then";
    bool allZero = true;
    for (uint8_t byte : fields.reservedRest) allZero = allZero && byte == 0;
    if (allZero) {
        out << " 28 zero bytes\n";
    } else {
        for (uint8_t byte : fields.reservedRest) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02X", byte);
            out << hex;
        }
        out << "\n";
    }
    out << "bytes after the comment: " << fields.bytesAfterComment << "\n";
}

void DumpLayer(const MapDocument& doc, int32_t layer, std::ostream& out) {
    const std::vector<uint32_t>& ids = LayerIds(doc, layer);
    const uint32_t columns = doc.CellsX();
    for (uint32_t row = 0; row < doc.CellsY(); ++row) {
        out << "layer " << layer << " row " << row << ":";
        const size_t first = size_t{row} * columns;
        for (size_t i = first; i < first + columns; ++i) out << ' ' << ids[i];
        out << "\n";
    }
}

}  // namespace

int RunDump(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "dump", 1, "name exactly one map file", {}, {}, line, err))
        return kExitTrouble;
    const std::string& path = line.operands[0];
    LoadedMap map;
    if (!LoadMapOrReport(path, err, map)) return kExitTrouble;
    const MapDocument& doc = map.read.document;
    out << "format: " << (map.isText ? "text map file" : "map data file") << "\n";
    out << "size: " << SizeText(doc) << "\n";
    out << "start position: " << StartText(doc) << "\n";
    for (int i = 0; i < 4; ++i) out << StageName(i) << ": " << StageValue(doc, i) << "\n";
    out << "comment: " << CommentText(doc) << "\n";
    if (!map.isText) DumpBinaryFields(map.read.dataFile, out);
    for (int32_t layer = 2; layer >= 0; --layer) DumpLayer(doc, layer, out);
    return kExitOk;
}
