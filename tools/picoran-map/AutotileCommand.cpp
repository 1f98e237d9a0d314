// autotile: every cell of a terrain set in a map, and every empty cell beside one, given the
// chip its corners need, by the rules the editor's terrain brush paints with
// (TerrainRules.h). The map is written as convert writes it, replacing OUT only when complete.
#include <ostream>

#include "CommandLine.h"
#include "Commands.h"
#include "EditorPalettes.h"
#include "MapDataOutput.h"
#include "MapLoading.h"
#include "TerrainFileLoading.h"
#include "core/DecimalText.h"
#include "map/core/terrain/TerrainRules.h"

namespace {

// Digits only, up to 2^64 - 1.
bool ParseSeed(const std::string& text, uint64_t& seed) {
    if (text.empty()) return false;
    uint64_t value = 0;
    for (const char c : text) {
        if (!IsDecimalDigit(c)) return false;
        const auto digit = static_cast<uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) return false;
        value = value * 10 + digit;
    }
    seed = value;
    return true;
}

std::vector<uint32_t>& IdsOf(MapDocument& document, int layer) {
    return layer == 0 ? document.layer0Ids : layer == 1 ? document.layer1Ids : document.layer2Ids;
}

}  // namespace

int RunAutotile(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "autotile", 2, "name MAP and OUT", {}, {"--terrains", "--seed"}, line, err))
        return kExitTrouble;
    const auto terrains = line.values.find("--terrains");
    if (terrains == line.values.end()) {
        err << "picoran-map autotile: --terrains FILE names the terrain file\n";
        return kExitTrouble;
    }
    uint64_t seed = 0;
    const auto seedOption = line.values.find("--seed");
    if (seedOption != line.values.end() && !ParseSeed(seedOption->second, seed)) {
        err << "picoran-map autotile: --seed takes a whole number from 0 to 18446744073709551615, not \""
            << seedOption->second << "\"\n";
        return kExitTrouble;
    }
    const std::string& in = line.operands[0];
    const std::string& outPath = line.operands[1];
    if (!IsMapDataOutput("autotile", outPath, err)) return kExitTrouble;
    const EditorPalettes palettes;
    std::string text;
    TerrainSets sets;
    std::string error;
    if (!LoadTerrainFile(terrains->second, palettes, text, sets, error)) {
        err << terrains->second << ": refused: " << error << "\n";
        return kExitTrouble;
    }
    LoadedMap map;
    if (!LoadMapOrReport(in, err, map)) return kExitTrouble;
    MapModel model;
    if (!palettes.BuildModel(map.read.document, model)) {
        err << in << ": out of memory\n";
        return kExitTrouble;
    }
    const TerrainWrites writes = AutotileWrites(model, sets, ChipRandom(seed));
    // The model's cells are the document's, index for index; only the chip ids are saved.
    MapDocument& document = map.read.document;
    for (const CellWrite& write : writes.writes) IdsOf(document, write.layer)[write.index] = write.cell.chipId;
    out << in << ": " << writes.writes.size() << (writes.writes.size() == 1 ? " cell" : " cells")
        << " changed, " << writes.substituted.size() << " drawn with a substitute\n";
    return WriteMapDataOutput(document, outPath, out, err) ? kExitOk : kExitTrouble;
}
