// Shared helpers of the map tool's tests: a scratch folder, files in it, and running a
// sub-command in-process with its output captured.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "Commands.h"
#include "map/core/MapDocument.h"
#include "map/core/MapFileWriter.h"

namespace tool_test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "picoran-map-XXXXXX").string();
        if (mkdtemp(&pattern[0]) != nullptr) path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void WriteText(const std::string& path, const std::string& text) {
    WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs "picoran-map ARGS..." in-process.
inline ToolRun RunTool(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    ToolRun run;
    run.status = RunPicoranMap(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// An empty map of cols x rows cells as the editor holds it after New, with a specified start.
inline MapDocument EmptyMap(int32_t cols, int32_t rows) {
    MapDocument doc;
    doc.mapWidth = cols * 40;
    doc.mapHeight = rows * 40;
    doc.layer2Ids.assign(doc.CellCount(), 0);
    doc.layer1Ids.assign(doc.CellCount(), 0);
    doc.layer0Ids.assign(doc.CellCount(), 0);
    doc.startUnspecified = false;
    return doc;
}

inline void WriteMap(const std::string& path, const MapDocument& doc) {
    WriteBytes(path, WriteBinaryMap(doc));
}

inline void PutI32(std::vector<uint8_t>& b, size_t at, int32_t v) {
    uint32_t u;
    std::memcpy(&u, &v, 4);
    for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<uint8_t>(u >> (8 * i));
}

inline std::string SourcePath(const std::string& relative) {
    return std::string(PICORAN_SOURCE_DIR) + "/" + relative;
}

}  // namespace tool_test
