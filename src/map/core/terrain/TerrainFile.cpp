#include "map/core/terrain/TerrainFile.h"

#include <cmath>
#include <map>
#include <sstream>

#include "core/ChipTable.h"
#include "map/core/JsonForm.h"

using namespace jsonform;

namespace {

constexpr size_t kMaxNameBytes = 200;

// The entry of the palette cell holding the chip, if one does.
bool FindEntry(const PaletteModel& palette, const ChipEntry& chip, ChipEntry& found) {
    for (size_t i = 0; i < palette.EntryCount(); ++i) {
        const ChipEntry& entry = palette.Entries()[i];
        if (entry.layer == chip.layer && entry.chipId == chip.chipId) {
            found = entry;
            return true;
        }
    }
    return false;
}

std::string CodeText(uint32_t code) { return "chip code " + std::to_string(code); }

class SetsReader {
public:
    SetsReader(const PaletteModel& small, const PaletteModel& large) : small(small), large(large) {}

    std::vector<TerrainSet> Read(const Json& json) {
        const Pointer root;
        ExpectObject(json, root, "the terrain file", {"terrains"});
        const Json& list = json["terrains"];
        const Pointer at = root / "terrains";
        if (!list.is_array()) Refuse(at, "\"terrains\" must be an array of sets, not " + Article(list));
        std::vector<TerrainSet> sets;
        for (size_t i = 0; i < list.size(); ++i) sets.push_back(ReadSet(list[i], at / i));
        return sets;
    }

private:
    const PaletteModel& small;
    const PaletteModel& large;
    std::map<std::string, std::string> names;      // name -> where it was first
    std::map<uint32_t, std::string> chipPlaces;    // chip code -> where it was first

    TerrainSet ReadSet(const Json& value, const Pointer& at) {
        ExpectObject(value, at, "a set", {"name", "layer", "chips"});
        TerrainSet set;
        const Json& name = value["name"];
        if (!name.is_string()) Refuse(at / "name", "a name must be a string, not " + Article(name));
        set.name = name.get<std::string>();
        if (set.name.empty()) Refuse(at / "name", "a set needs a name");
        if (set.name.size() > kMaxNameBytes) Refuse(at / "name", "a name is at most 200 bytes long");
        const auto taken = names.emplace(set.name, at.to_string());
        if (!taken.second) Refuse(at / "name", "the name " + name.dump() + " is taken by " + taken.first->second);
        const int64_t layer = Integer(value["layer"], at / "layer", "layer", 0, UINT32_MAX);
        if (layer > 1) Refuse(at / "layer", "a set's layer is 0 or 1 (small chips), not " + std::to_string(layer));
        set.layer = static_cast<int>(layer);
        const Json& chips = value["chips"];
        if (!chips.is_array()) Refuse(at / "chips", "\"chips\" must be an array, not " + Article(chips));
        if (chips.empty()) Refuse(at / "chips", "a set needs at least one chip");
        for (size_t i = 0; i < chips.size(); ++i) set.chips.push_back(ReadChip(chips[i], at / "chips" / i, set.layer));
        return set;
    }

    TerrainChip ReadChip(const Json& value, const Pointer& at, int layer) {
        ExpectObject(value, at, "a chip", {"chip", "corners"}, {"weight"});
        TerrainChip chip;
        chip.code = static_cast<uint32_t>(Integer(value["chip"], at / "chip", "chip code", 0, UINT32_MAX));
        const ChipEntry decoded = DecodeChipCode(chip.code);
        const PaletteModel& table = decoded.layer == 2 ? large : small;
        if (!FindEntry(table, decoded, chip.chip))
            Refuse(at / "chip", CodeText(chip.code) + " is in neither chip table");
        if (decoded.chipId == 0) Refuse(at / "chip", CodeText(chip.code) + " is the empty chip");
        if (static_cast<int>(decoded.layer) != layer) {
            Refuse(at / "chip", CodeText(chip.code) + " is a chip of layer " + std::to_string(decoded.layer) +
                                    ", not of the set's layer " + std::to_string(layer));
        }
        const auto first = chipPlaces.emplace(chip.code, at.to_string());
        if (!first.second) Refuse(at / "chip", CodeText(chip.code) + " is at " + first.first->second + " already");
        const Json& corners = value["corners"];
        if (!corners.is_string() || !ParseCornerText(corners.get<std::string>(), chip.corners)) {
            Refuse(at / "corners", "corners must be four marks, # inside and . outside (top-left, top-right, "
                                   "bottom-right, bottom-left), not " + corners.dump());
        }
        if (chip.corners == 0) Refuse(at / "corners", "\"....\" is the empty cell, which takes no chip");
        if (value.contains("weight")) {
            const Json& weight = value["weight"];
            if (!weight.is_number() || !std::isfinite(weight.get<double>()) || weight.get<double>() <= 0 ||
                weight.get<double>() > 1e6) {
                Refuse(at / "weight", "a weight must be a number above 0 and at most 1000000, not " + weight.dump());
            }
            chip.weight = weight.get<double>();
        }
        return chip;
    }
};

}  // namespace

bool ReadTerrainSets(const std::string& text, const PaletteModel& smallPalette,
                     const PaletteModel& largePalette, TerrainSets& sets, std::string& error) {
    if (text.size() > kMaxTerrainFileBytes) {
        error = "the file is longer than " + std::to_string(kMaxTerrainFileBytes) + " bytes";
        return false;
    }
    std::vector<TerrainSet> read;
    SetsReader reader(smallPalette, largePalette);
    if (!ReadJson(text, [&](const Json& json) { read = reader.Read(json); }, error)) return false;
    sets = TerrainSets(std::move(read));
    return true;
}

std::string TerrainSetJson(const TerrainSet& set) {
    std::ostringstream out;
    out << "    {\n      \"name\": " << Json(set.name).dump() << ",\n      \"layer\": " << set.layer
        << ",\n      \"chips\": [\n";
    for (size_t i = 0; i < set.chips.size(); ++i) {
        const TerrainChip& chip = set.chips[i];
        out << "        {\"chip\": " << chip.code << ", \"corners\": \"" << CornerText(chip.corners) << "\"";
        if (chip.weight != 1) out << ", \"weight\": " << Json(chip.weight).dump();
        out << "}" << (i + 1 < set.chips.size() ? "," : "") << "\n";
    }
    out << "      ]\n    }";
    return out.str();
}
