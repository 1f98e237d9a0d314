#include "MapLoading.h"

#include "FileBytes.h"

LoadedMap LoadMapFile(const std::string& path) {
    LoadedMap map;
    map.isText = IsTextMapPath(path.c_str());
    if (!ReadFileBytes(path, kMaxMapFileBytes, map.bytes, map.ioError)) return map;
    if (map.isText) {
        map.read = ReadTextMap(reinterpret_cast<const char*>(map.bytes.data()), map.bytes.size(),
                               nullptr);
    } else {
        map.read = ReadBinaryMap(map.bytes.data(), map.bytes.size());
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
