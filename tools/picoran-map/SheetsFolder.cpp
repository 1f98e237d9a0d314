// Where render finds its pictures without --sheets: the folder res beside the program, where
// the builds put them and where they travel with the tool.
#include <string>

#include "Commands.h"
#include "files/FileAccess.h"

std::string DefaultSheetsFolder() {
    const std::string program = files::RunningProgramPath();
    const size_t slash = program.find_last_of("/\\");
    if (slash == std::string::npos) return "res";  // the system cannot tell: the working folder's
    return program.substr(0, slash + 1) + "res";    // the path's own separator
}
