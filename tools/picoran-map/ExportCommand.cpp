// export: a map file as its JSON form (MapJson.h), for scripts. Written beside OUT and moved
// over it only when complete, like every file the tool writes.
#include <algorithm>
#include <ostream>

#include "CommandLine.h"
#include "Commands.h"
#include "MapJson.h"
#include "MapLoading.h"
#include "files/FileAccess.h"

int RunExport(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "export", 2, "name FILE and OUT.json", {}, {}, line, err))
        return kExitTrouble;
    std::string error;
    const std::string& in = line.operands[0];
    const std::string& outPath = line.operands[1];
    LoadedMap map;
    if (!LoadMapOrReport(in, err, map)) return kExitTrouble;
    MapDocument document = map.read.document;
    // The editor's comment ends at its first zero byte, in its dialog and when it saves.
    std::vector<uint8_t>& comment = document.comment;
    comment.erase(std::find(comment.begin(), comment.end(), uint8_t{0}), comment.end());
    const std::string text = MapToJson(document);
    if (!files::ReplaceFileContents(outPath, std::vector<uint8_t>(text.begin(), text.end()), error)) {
        err << outPath << ": not written: " << error << "\n";
        return kExitTrouble;
    }
    out << outPath << ": written, " << text.size() << " bytes\n";
    return kExitOk;
}
