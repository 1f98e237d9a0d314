#include "MapLoading.h"

#include "files/FileAccess.h"

LoadedMap LoadMapFile(const std::string& path) {
    LoadedMap map;
    map.isText = IsTextMapPath(path.c_str());
    std::vector<uint8_t> bytes;
    if (files::ReadWholeFile(path, kMaxMapFileBytes, bytes, map.ioError) != files::ReadStatus::kRead)
        return map;
    if (map.isText) {
        map.read = ReadTextMap(reinterpret_cast<const char*>(bytes.data()), bytes.size(), nullptr);
    } else {
        map.read = ReadBinaryMap(bytes.data(), bytes.size());
    }
    map.ok = map.read.ok;
    return map;
}

std::string RefusalText(const LoadedMap& map) {
    if (!map.ioError.empty()) return "cannot read: " + map.ioError;
    // The same place the editor's message names: line and offset for text maps, else the
    // offset.
    return MapReadErrorPlace(map.read.error) + ": " + map.read.error.description;
}

bool LoadMapOrReport(const std::string& path, std::ostream& err, LoadedMap& map) {
    map = LoadMapFile(path);
    if (!map.ok) err << path << ": refused: " << RefusalText(map) << "\n";
    return map.ok;
}
