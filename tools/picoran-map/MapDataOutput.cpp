#include "MapDataOutput.h"

#include <vector>

#include "files/FileAccess.h"
#include "map/core/MapFileWriter.h"
#include "map/core/MapPaths.h"

bool IsMapDataOutput(const char* command, const std::string& outPath, std::ostream& err) {
    if (!IsTextMapPath(outPath.c_str())) return true;
    err << "picoran-map " << command << ": " << outPath
        << ": the output is a map data file, not a name ending in .txt\n";
    return false;
}

bool WriteMapDataOutput(const MapDocument& document, const std::string& outPath, std::ostream& out,
                        std::ostream& err) {
    const std::vector<uint8_t> bytes = WriteBinaryMap(document);
    std::string error;
    if (bytes.empty() || !files::ReplaceFileContents(outPath, bytes, error)) {
        err << outPath << ": not written: " << (bytes.empty() ? "the map cannot be written" : error)
            << "\n";
        return false;
    }
    out << outPath << ": written, " << bytes.size() << " bytes\n";
    return true;
}
