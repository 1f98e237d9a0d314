#include "MapWarnings.h"

#include <map>

#include "dialogs/core/SettingsRules.h"
#include "map/core/MapFileLayout.h"
#include "map/core/MapFileWriter.h"

namespace {

struct ChipUse {
    size_t cells = 0;
    size_t firstIndex = 0;
};

void SizeWarnings(const MapDocument& doc, std::vector<std::string>& out) {
    const char* names[2] = {"width", "height"};
    const int32_t values[2] = {doc.mapWidth, doc.mapHeight};
    for (int i = 0; i < 2; ++i) {
        if (values[i] % kCellSize == 0) continue;
        out.push_back(std::string(names[i]) + " " + std::to_string(values[i]) +
                      " is not a multiple of 40: the " + std::to_string(values[i] % kCellSize) +
                      " pixels past the last whole cell hold no cell");
    }
}

void StartWarning(const MapDocument& doc, std::vector<std::string>& out) {
    if (doc.startUnspecified) return;
    const StartPosition allowed = ApplyStartPositionRules(doc.startX, doc.startY);
    if (allowed.x == doc.startX && allowed.y == doc.startY) return;
    out.push_back("start position " + std::to_string(doc.startX) + ", " +
                  std::to_string(doc.startY) +
                  " is outside the 0..640 x 0..480 that the start-position dialog allows");
}

void StageWarnings(const MapDocument& doc, std::vector<std::string>& out) {
    const char* names[4] = {"target time", "time limit", "background image number", "music number"};
    const int32_t values[4] = {doc.targetTime, doc.timeLimit, doc.backgroundImage, doc.music};
    for (int i = 0; i < 4; ++i) {
        if (ClampStageNumber(values[i]) == values[i]) continue;
        out.push_back(std::string(names[i]) + " " + std::to_string(values[i]) +
                      " is outside the 0..999 that the other-settings dialog allows");
    }
}

void BinaryWarnings(const LoadedMap& map, std::vector<std::string>& out) {
    const MapDocument& doc = map.read.document;
    if (map.isText) return;
    const MapDataFileReport& fields = map.read.dataFile;
    const int64_t expectedOffset = static_cast<int64_t>(mapfile::CommentLengthOffset(doc.CellCount()));
    if (fields.offsetField != expectedOffset) {
        out.push_back("offset field holds " + std::to_string(fields.offsetField) + ", not 12 N + 68 = " +
                      std::to_string(expectedOffset) + " (the editor does not read it)");
    }
    if (fields.reservedCount != CountedChipCells(doc)) {
        out.push_back("reserved block counts " + std::to_string(fields.reservedCount) +
                      " layer-0 cells of chip 100, the map has " +
                      std::to_string(CountedChipCells(doc)) + " (the editor does not read it)");
    }
    for (uint8_t byte : fields.reservedRest) {
        if (byte == 0) continue;
        out.push_back("reserved block bytes 4 to 31 are not all zero (the editor does not read them)");
        break;
    }
    if (fields.bytesAfterComment > 0) {
        out.push_back(std::to_string(fields.bytesAfterComment) +
                      (fields.bytesAfterComment == 1 ? " byte after the comment is"
                                                     : " bytes after the comment are") +
                      " not read by the editor");
    }
}

void ChipWarnings(const MapDocument& doc, const EditorPalettes& palettes,
                  std::vector<std::string>& out) {
    const std::vector<uint32_t>* layers[3] = {&doc.layer0Ids, &doc.layer1Ids, &doc.layer2Ids};
    const uint32_t cellsX = doc.CellsX();
    for (int32_t layer = 2; layer >= 0; --layer) {
        std::map<uint32_t, ChipUse> missing;  // ordered by chip id, for stable output
        const std::vector<uint32_t>& ids = *layers[layer];
        for (size_t i = 0; i < ids.size(); ++i) {
            if (ids[i] == 0 || palettes.Holds(layer, ids[i])) continue;
            ChipUse& use = missing[ids[i]];
            if (use.cells++ == 0) use.firstIndex = i;
        }
        for (const auto& [id, use] : missing) {
            out.push_back("layer " + std::to_string(layer) + ": chip " + std::to_string(id) +
                          " is in no palette; its " + std::to_string(use.cells) +
                          (use.cells == 1 ? " cell shows" : " cells show") +
                          " the sheet's top-left chip (first at column " +
                          std::to_string(use.firstIndex % cellsX) + ", row " +
                          std::to_string(use.firstIndex / cellsX) + ")");
        }
    }
}

}  // namespace

std::vector<std::string> MapWarnings(const LoadedMap& map, const EditorPalettes& palettes) {
    std::vector<std::string> out;
    if (!map.ok) return out;
    const MapDocument& doc = map.read.document;
    SizeWarnings(doc, out);
    StartWarning(doc, out);
    StageWarnings(doc, out);
    BinaryWarnings(map, out);
    ChipWarnings(doc, palettes, out);
    return out;
}
