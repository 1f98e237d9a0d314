// convert: the map data file a freshly started editor writes after opening IN and saving it as
// OUT. Written beside OUT and moved over it only when complete, like the editor's own save.
#include <ostream>

#include "CommandLine.h"
#include "Commands.h"
#include "MapDataOutput.h"
#include "MapLoading.h"

int RunConvert(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "convert", 2, "name IN and OUT", {}, {}, line, err))
        return kExitTrouble;
    const std::string& in = line.operands[0];
    const std::string& outPath = line.operands[1];
    if (!IsMapDataOutput("convert", outPath, err)) return kExitTrouble;
    LoadedMap map;
    if (!LoadMapOrReport(in, err, map)) return kExitTrouble;
    return WriteMapDataOutput(map.read.document, outPath, out, err) ? kExitOk : kExitTrouble;
}
