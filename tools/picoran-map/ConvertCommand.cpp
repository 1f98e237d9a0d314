// convert: the map data file a freshly started editor writes after opening IN and saving it as
// OUT. Written beside OUT and moved over it only when complete, like the editor's own save.
#include <ostream>

#include "CommandLine.h"
#include "Commands.h"
#include "MapLoading.h"
#include "files/FileAccess.h"
#include "map/core/MapFileWriter.h"

int RunConvert(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    std::string error;
    if (!ParseCommandLine(args, {}, {}, line, error) || line.operands.size() != 2) {
        err << "picoran-map convert: " << (error.empty() ? "name IN and OUT" : error) << "\n";
        return kExitTrouble;
    }
    const std::string& in = line.operands[0];
    const std::string& outPath = line.operands[1];
    // A map data file named .txt would be read back as a text map; and with the two names
    // swapped by mistake, the text map itself would be overwritten.
    if (IsTextMapPath(outPath.c_str())) {
        err << "picoran-map convert: " << outPath
            << ": the output is a map data file, not a name ending in .txt\n";
        return kExitTrouble;
    }
    LoadedMap map;
    if (!LoadMapOrReport(in, err, map)) return kExitTrouble;
    const std::vector<uint8_t> bytes = WriteBinaryMap(map.read.document);
    if (bytes.empty() || !files::ReplaceFileContents(outPath, bytes, error)) {
        err << outPath << ": not written: " << (bytes.empty() ? "the map cannot be written" : error)
            << "\n";
        return kExitTrouble;
    }
    out << outPath << ": written, " << bytes.size() << " bytes\n";
    return kExitOk;
}
