// import: the map data file a JSON form (MapJson.h) describes, through the editor's writer.
// Every value is checked before anything is written, and OUT is replaced only when the new
// file is complete, so a refused or failed import leaves OUT as it was.
#include <ostream>

#include "CommandLine.h"
#include "Commands.h"
#include "MapJson.h"
#include "MapLoading.h"
#include "files/FileAccess.h"
#include "map/core/MapFileWriter.h"

namespace {

// The JSON of the largest map (3,000,000 chip ids) is about 40 MB as export writes it; other
// writers may spread it out further, one id to an indented line.
constexpr size_t kMaxJsonBytes = 256u * 1024u * 1024u;

}  // namespace

int RunImport(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    std::string error;
    if (!ParseCommandLine(args, {}, {}, line, error) || line.operands.size() != 2) {
        err << "picoran-map import: " << (error.empty() ? "name IN.json and OUT" : error) << "\n";
        return kExitTrouble;
    }
    const std::string& in = line.operands[0];
    const std::string& outPath = line.operands[1];
    // The editor would read a map data file named .txt as a text map.
    if (IsTextMapPath(outPath.c_str())) {
        err << "picoran-map import: " << outPath
            << ": the output is a map data file, not a name ending in .txt\n";
        return kExitTrouble;
    }
    std::vector<uint8_t> json;
    if (files::ReadWholeFile(in, kMaxJsonBytes, json, error) != files::ReadStatus::kRead) {
        err << in << ": refused: cannot read: " << error << "\n";
        return kExitTrouble;
    }
    MapDocument document;
    if (!MapFromJson(std::string(json.begin(), json.end()), document, error)) {
        err << in << ": refused: " << error << "\n";
        return kExitTrouble;
    }
    const std::vector<uint8_t> bytes = WriteBinaryMap(document);
    if (bytes.empty() || !files::ReplaceFileContents(outPath, bytes, error)) {
        err << outPath << ": not written: " << (bytes.empty() ? "the map cannot be written" : error)
            << "\n";
        return kExitTrouble;
    }
    out << outPath << ": written, " << bytes.size() << " bytes\n";
    return kExitOk;
}
