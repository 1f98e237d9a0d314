#include "TerrainFileLoading.h"

#include <vector>

#include "files/FileAccess.h"
#include "map/core/terrain/TerrainFile.h"

bool LoadTerrainFile(const std::string& path, const EditorPalettes& palettes, std::string& text,
                     TerrainSets& sets, std::string& error) {
    std::vector<uint8_t> bytes;
    std::string reason;
    if (files::ReadWholeFile(path, kMaxTerrainFileBytes, bytes, reason) != files::ReadStatus::kRead) {
        error = "cannot read: " + reason;
        return false;
    }
    text.assign(bytes.begin(), bytes.end());
    return ReadTerrainSets(text, palettes.Small(), palettes.Large(), sets, error);
}
