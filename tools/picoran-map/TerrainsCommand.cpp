// terrains: the terrain file the editor's terrain brush paints from. check says what the
// editor makes of the file; learn makes a set of the chips a designer laid out in a map in the
// template's order (TerrainLearn.h), for the file or added to it.
#include <ostream>

#include "CommandLine.h"
#include "Commands.h"
#include "EditorPalettes.h"
#include "MapLoading.h"
#include "TerrainFileLoading.h"
#include "core/DecimalText.h"
#include "files/FileAccess.h"
#include "map/core/terrain/TerrainFile.h"
#include "map/core/terrain/TerrainLearn.h"

namespace {

constexpr char kBlanks[] = " \t\r\n";

std::string Plural(size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

int RunTerrainsCheck(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    std::string error;
    if (!ParseCommandLine(args, {}, {}, line, error) || line.operands.size() > 1) {
        err << "picoran-map terrains check: " << (error.empty() ? "name at most one terrain file" : error)
            << "\n";
        return kExitTrouble;
    }
    const std::string path = line.operands.empty() ? kDefaultTerrainFile : line.operands[0];
    std::string text;
    TerrainSets sets;
    if (!LoadTerrainFile(path, EditorPalettes(), text, sets, error)) {
        out << path << ": refused: " << error << "\n";
        return kExitNo;
    }
    if (sets.Empty()) out << path << ": warning: the file holds no set; the terrain brush has nothing to paint\n";
    size_t chips = 0;
    size_t missing = 0;
    for (const TerrainSet& set : sets.All()) {
        chips += set.chips.size();
        for (int combination = 1; combination < kCornerCombinations; ++combination) {
            const auto corners = static_cast<uint8_t>(combination);
            if (set.Has(corners)) continue;
            out << path << ": warning: " << set.name << ": no chip for corners " << CornerText(corners)
                << " (drawn with " << CornerText(set.drawnAs[corners]) << " instead)\n";
            ++missing;
        }
    }
    out << path << ": ok, " << Plural(sets.Count(), "set", "sets") << ", " << Plural(chips, "chip", "chips")
        << ", " << Plural(missing, "combination of corners", "combinations of corners") << " without a chip\n";
    return kExitOk;
}

// "COLUMN,ROW": two runs of up to nine digits, no sign or blank.
bool ParseCell(const std::string& text, CellPoint& cell) {
    const size_t comma = text.find(',');
    if (comma == std::string::npos) return false;
    const size_t rowDigits = text.size() - comma - 1;
    int32_t column = 0;
    int32_t row = 0;
    if (comma > 9 || rowDigits > 9 || !ReadDecimalDigits(text.data(), comma, column) ||
        !ReadDecimalDigits(text.data() + comma + 1, rowDigits, row)) {
        return false;
    }
    cell = CellPoint{column, row};
    return true;
}

// The file's text with the set as the last of its "terrains" array, the rest of the text as
// it was. The text has been read as a terrain file, so it is one object whose only key is
// "terrains": it ends in the array's ']' and the object's '}', with nothing but blanks after
// and between them. False for text that does not end so.
bool TextWithSet(const std::string& text, const std::string& setJson, bool firstSet, std::string& added) {
    const size_t objectEnd = text.find_last_not_of(kBlanks);
    if (objectEnd == std::string::npos || objectEnd == 0 || text[objectEnd] != '}') return false;
    const size_t arrayEnd = text.find_last_not_of(kBlanks, objectEnd - 1);
    if (arrayEnd == std::string::npos || arrayEnd == 0 || text[arrayEnd] != ']') return false;
    const size_t lastValue = text.find_last_not_of(kBlanks, arrayEnd - 1);
    if (lastValue == std::string::npos) return false;
    const std::string before = text.substr(0, lastValue + 1);
    added = firstSet ? before + "\n" + setJson + "\n  " + text.substr(arrayEnd)
                     : before + ",\n" + setJson + text.substr(lastValue + 1);
    return true;
}

// Adds the set to the terrain file at path, or makes the file with it; the file is replaced
// only by text the editor takes whole.
int AddToTerrainFile(const std::string& path, const TerrainSet& set, const EditorPalettes& palettes,
                     std::ostream& out, std::ostream& err) {
    const std::string setJson = TerrainSetJson(set);
    std::string text;
    TerrainSets sets;
    std::string error;
    std::string added;
    if (files::FileIsMissing(path)) {
        added = "{\n  \"terrains\": [\n" + setJson + "\n  ]\n}\n";
    } else if (!LoadTerrainFile(path, palettes, text, sets, error)) {
        err << path << ": refused: " << error << "\n";
        return kExitTrouble;
    } else if (!TextWithSet(text, setJson, sets.Empty(), added)) {
        err << path << ": not written: the end of its \"terrains\" array was not found\n";
        return kExitTrouble;
    }
    TerrainSets after;
    if (!ReadTerrainSets(added, palettes.Small(), palettes.Large(), after, error)) {
        err << path << ": not written: with the set added the file would be refused: " << error << "\n";
        return kExitTrouble;
    }
    if (!files::ReplaceFileContents(path, std::vector<uint8_t>(added.begin(), added.end()), error)) {
        err << path << ": not written: " << error << "\n";
        return kExitTrouble;
    }
    out << path << ": added " << set.name << ", " << Plural(set.chips.size(), "chip", "chips") << "; "
        << Plural(after.Count(), "set", "sets") << " now\n";
    return kExitOk;
}

int RunTerrainsLearn(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "terrains learn", 1, "name exactly one map file", {},
                              {"--at", "--name", "--add"}, line, err))
        return kExitTrouble;
    const auto at = line.values.find("--at");
    const auto name = line.values.find("--name");
    const auto add = line.values.find("--add");
    CellPoint cell;
    if (at == line.values.end() || !ParseCell(at->second, cell)) {
        err << "picoran-map terrains learn: --at takes the block's top-left cell as COLUMN,ROW, two "
               "whole numbers from 0 such as 4,2";
        if (at != line.values.end()) err << ", not \"" << at->second << "\"";
        err << "\n";
        return kExitTrouble;
    }
    if (name == line.values.end() || name->second.empty()) {
        err << "picoran-map terrains learn: --name NAME names the set\n";
        return kExitTrouble;
    }
    const std::string& path = line.operands[0];
    LoadedMap map;
    if (!LoadMapOrReport(path, err, map)) return kExitTrouble;
    const EditorPalettes palettes;
    MapModel model;
    if (!palettes.BuildModel(map.read.document, model)) {
        err << path << ": out of memory\n";
        return kExitTrouble;
    }
    TerrainSet set;
    std::string error;
    std::vector<std::string> warnings;
    const bool learnt = LearnTerrainSet(model, cell, name->second, palettes.Small(), set, error, warnings);
    for (const std::string& warning : warnings) err << path << ": warning: " << warning << "\n";
    if (!learnt) {
        err << path << ": no set learnt: " << error << "\n";
        return kExitTrouble;
    }
    if (add != line.values.end()) return AddToTerrainFile(add->second, set, palettes, out, err);
    // The set alone must make a file the editor takes (a name of at most 200 bytes).
    const std::string setJson = TerrainSetJson(set);
    TerrainSets alone;
    if (!ReadTerrainSets("{\"terrains\": [" + setJson + "]}", palettes.Small(), palettes.Large(), alone, error)) {
        err << path << ": no set learnt: the terrain file would refuse it: " << error << "\n";
        return kExitTrouble;
    }
    out << setJson << "\n";
    return kExitOk;
}

}  // namespace

int RunTerrains(const Arguments& args, std::ostream& out, std::ostream& err) {
    const Arguments rest(args.empty() ? args.begin() : args.begin() + 1, args.end());
    if (!args.empty() && args[0] == "check") return RunTerrainsCheck(rest, out, err);
    if (!args.empty() && args[0] == "learn") return RunTerrainsLearn(rest, out, err);
    err << "picoran-map terrains: name check or learn; see picoran-map --help\n";
    return kExitTrouble;
}
