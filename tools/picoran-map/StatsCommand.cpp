// stats: which chips a set of maps uses, and which chips of the built-in tables none of them
// uses, one line each for scripts: the chips used by layer and chip id (so by chip code), then
// the unused chip codes in order.
#include <map>
#include <ostream>
#include <set>
#include <utility>

#include "ChipCodes.h"
#include "CommandLine.h"
#include "Commands.h"
#include "MapLoading.h"
#include "MapText.h"
#include "core/ChipTable.h"

namespace {

struct ChipUsage {
    size_t cells = 0;
    size_t files = 0;
};

using ChipKey = std::pair<int32_t, uint32_t>;  // layer, chip id

void CountFile(const MapDocument& doc, std::map<ChipKey, ChipUsage>& usage) {
    for (int32_t layer = 0; layer < 3; ++layer) {
        std::map<uint32_t, size_t> cells;
        for (uint32_t id : LayerIds(doc, layer))
            if (id != 0) ++cells[id];
        for (const auto& [id, count] : cells) {
            ChipUsage& chip = usage[ChipKey{layer, id}];
            chip.cells += count;
            ++chip.files;
        }
    }
}

// The chips of a built-in table, the empty cell left out, as (layer, chip id).
void TableChips(const uint32_t* table, uint32_t length, std::set<ChipKey>& chips) {
    for (uint32_t i = 1; i < length; ++i) {
        const ChipEntry chip = DecodeChipCode(table[i]);
        if (chip.chipId != 0) chips.insert(ChipKey{static_cast<int32_t>(chip.layer), chip.chipId});
    }
}

}  // namespace

int RunStats(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "stats", 0, "no map file named", {}, {}, line, err))
        return kExitTrouble;
    int status = kExitOk;
    std::map<ChipKey, ChipUsage> usage;  // ordered by layer, then chip id: by chip code
    for (const std::string& path : line.operands) {
        LoadedMap map;
        if (!LoadMapOrReport(path, err, map)) {
            status = kExitTrouble;
            continue;
        }
        CountFile(map.read.document, usage);
    }
    std::set<ChipKey> tables;
    TableChips(SmallChipTable, kSmallChipTableLength, tables);
    TableChips(LargeChipTable, kLargeChipTableLength, tables);
    for (const auto& [key, chip] : usage) {
        out << ChipName(key.first, key.second) << ": " << chip.cells << (chip.cells == 1 ? " cell" : " cells")
            << " in " << chip.files << (chip.files == 1 ? " file" : " files")
            << (tables.count(key) != 0 ? "" : " (in no chip table)") << "\n";
    }
    for (const ChipKey& key : tables)
        if (usage.count(key) == 0) out << "unused: " << ChipName(key.first, key.second) << "\n";
    return status;
}
