// import: the map data file a JSON form (MapJson.h) describes, through the editor's writer.
// Every value is checked before anything is written, and OUT is replaced only when the new
// file is complete, so a refused or failed import leaves OUT as it was.
#include <ostream>

#include "CommandLine.h"
#include "Commands.h"
#include "MapDataOutput.h"
#include "MapJson.h"
#include "MapLoading.h"
#include "files/FileAccess.h"

namespace {

// The JSON of the largest map (3,000,000 chip ids) is about 40 MB as export writes it; other
// writers may spread it out further, one id to an indented line.
constexpr size_t kMaxJsonBytes = 256u * 1024u * 1024u;

}  // namespace

int RunImport(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "import", 2, "name IN.json and OUT", {}, {}, line, err))
        return kExitTrouble;
    std::string error;
    const std::string& in = line.operands[0];
    const std::string& outPath = line.operands[1];
    if (!IsMapDataOutput("import", outPath, err)) return kExitTrouble;
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
    return WriteMapDataOutput(document, outPath, out, err) ? kExitOk : kExitTrouble;
}
