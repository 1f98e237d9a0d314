// check: for each file, what the editor does when it opens it, and what a designer should know.
// One line per finding, each starting with the file name, for content pipelines and grep.
#include <ostream>

#include "CommandLine.h"
#include "Commands.h"
#include "EditorPalettes.h"
#include "MapLoading.h"
#include "MapWarnings.h"

int RunCheck(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "check", 0, "no map file named", {"--strict"}, {}, line, err))
        return kExitTrouble;
    const bool strict = line.flags.count("--strict") != 0;
    const EditorPalettes palettes;
    bool refused = false;
    bool warned = false;
    for (const std::string& path : line.operands) {
        const LoadedMap map = LoadMapFile(path);
        if (!map.ok) {
            out << path << ": refused: " << RefusalText(map) << "\n";
            refused = true;
            continue;
        }
        for (const std::string& warning : MapWarnings(map, palettes)) {
            out << path << ": warning: " << warning << "\n";
            warned = true;
        }
        out << path << ": ok\n";
    }
    return refused || (strict && warned) ? kExitNo : kExitOk;
}
