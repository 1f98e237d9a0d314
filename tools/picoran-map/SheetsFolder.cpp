// Where render finds its pictures without --sheets. A tool copied elsewhere (or the Windows
// build, which cannot name a Linux source folder) carries them in res/ beside itself.
#include <string>

#include "Commands.h"
#include "MapPictures.h"
#include "files/FileAccess.h"

#ifndef PICORAN_MAP_SHEETS_DIR
#define PICORAN_MAP_SHEETS_DIR "res"
#endif

std::string DefaultSheetsFolder() {
    const std::string program = files::RunningProgramPath();
    const size_t slash = program.find_last_of("/\\");
    if (slash != std::string::npos) {
        const std::string beside = program.substr(0, slash + 1) + "res";  // the path's own separator
        if (files::FileOpensForReading(beside + "/" + kSmallSheetFile)) return beside;
    }
    return PICORAN_MAP_SHEETS_DIR;
}
