#include "map/core/MergeConflictsFile.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <unordered_map>

#include "map/core/JsonForm.h"
#include "map/core/MapFileLayout.h"

using namespace jsonform;

namespace {

constexpr int64_t kConflictsVersion = 1;
const char* const kSides[3] = {"base", "ours", "theirs"};

std::string SizeWords(int32_t width, int32_t height) {
    return std::to_string(width) + " x " + std::to_string(height) + " pixels";
}

// ---- Writing

void WriteFieldValue(std::ostream& out, const MapDocument& doc, MergeField field) {
    switch (field) {
        case MergeField::kSize:
            out << "{\"width\": " << doc.mapWidth << ", \"height\": " << doc.mapHeight << "}";
            break;
        case MergeField::kStart:
            if (doc.startUnspecified) {
                out << "null";
            } else {
                out << "{\"x\": " << doc.startX << ", \"y\": " << doc.startY << "}";
            }
            break;
        case MergeField::kTargetTime: out << doc.targetTime; break;
        case MergeField::kTimeLimit: out << doc.timeLimit; break;
        case MergeField::kBackgroundImage: out << doc.backgroundImage; break;
        case MergeField::kMusic: out << doc.music; break;
        case MergeField::kComment:
            out << "[";
            for (size_t i = 0; i < doc.comment.size(); ++i) out << (i ? ", " : "") << int{doc.comment[i]};
            out << "]";
            break;
    }
}

// One cell's line, "[column, row, layer, base, ours, theirs]" after its line break, put together
// in a buffer and appended at once: a map may bring a million conflicting cells, and appending
// each piece, or a stream, costs several times as much.
void AppendCellLine(std::string& text, const CellConflict& cell, bool first) {
    char line[96];
    char* at = line;
    auto put = [&at](const char* piece) {
        while (*piece != '\0') *at++ = *piece++;
    };
    auto number = [&at, &line](bool present, uint32_t value) {
        at = present ? std::to_chars(at, line + sizeof line, value).ptr : std::copy_n("null", 4, at);
    };
    put(first ? "\n    [" : ",\n    [");
    number(true, cell.column), put(", "), number(true, cell.row), put(", "), number(true, cell.layer);
    put(", "), number(cell.base.present, cell.base.id), put(", "), number(true, cell.ours.id);
    put(", "), number(true, cell.theirs.id), put("]");
    text.append(line, at);
}

// ---- Reading

MergeField FieldOfIndex(int index) { return static_cast<MergeField>(index); }

void ReadFieldValue(const Json& value, const Pointer& at, MergeField field, MapDocument& doc) {
    switch (field) {
        case MergeField::kSize:
            ExpectObject(value, at, "a size", {"width", "height"});
            doc.mapWidth = Signed32(value["width"], at / "width", "width");
            doc.mapHeight = Signed32(value["height"], at / "height", "height");
            return;
        case MergeField::kStart:
            doc.startUnspecified = value.is_null();
            doc.startX = doc.startY = mapfile::kUnspecifiedStart;
            if (value.is_null()) return;
            ExpectObject(value, at, "a start position", {"x", "y"});
            doc.startX = Signed32(value["x"], at / "x", "x");
            doc.startY = Signed32(value["y"], at / "y", "y");
            return;
        case MergeField::kTargetTime: doc.targetTime = Signed32(value, at, "stage number"); return;
        case MergeField::kTimeLimit: doc.timeLimit = Signed32(value, at, "stage number"); return;
        case MergeField::kBackgroundImage:
            doc.backgroundImage = Signed32(value, at, "stage number");
            return;
        case MergeField::kMusic: doc.music = Signed32(value, at, "stage number"); return;
        case MergeField::kComment:
            if (!value.is_array())
                Refuse(at, "a comment must be an array of bytes, not " + Article(value));
            if (value.size() > static_cast<size_t>(mapfile::kMaxCommentBytes))
                Refuse(at, Count(value.size(), "byte", "bytes") + "; a comment has at most 256");
            doc.comment.clear();
            for (size_t i = 0; i < value.size(); ++i) {
                const int64_t byte = Integer(value[i], at / i, "byte", 0, UINT32_MAX);
                if (byte > 255) Refuse(at / i, "byte " + std::to_string(byte) + " is above 255");
                doc.comment.push_back(static_cast<uint8_t>(byte));
            }
            return;
    }
}

void ReadFields(const Json& fields, const Pointer& at, MergeConflicts& conflicts) {
    ExpectObject(fields, at, "the fields", {},
                 {"size", "start", "targetTime", "timeLimit", "backgroundImage", "music", "comment"});
    MapDocument* sides[3] = {&conflicts.base, &conflicts.ours, &conflicts.theirs};
    for (int index = 0; index < kMergeFieldCount; ++index) {
        const MergeField field = FieldOfIndex(index);
        const char* key = MergeFieldKey(field);
        if (!fields.contains(key)) continue;
        const Pointer fieldAt = at / key;
        ExpectObject(fields[key], fieldAt, "a field's conflict", {"base", "ours", "theirs"});
        for (int side = 0; side < 3; ++side)
            ReadFieldValue(fields[key][kSides[side]], fieldAt / kSides[side], field, *sides[side]);
        if (SameField(conflicts.ours, conflicts.theirs, field))
            Refuse(fieldAt, "ours and theirs hold the same value: no conflict");
        if (field == MergeField::kSize &&
            (conflicts.ours.mapWidth != conflicts.mapWidth || conflicts.ours.mapHeight != conflicts.mapHeight))
            Refuse(fieldAt / "ours", "ours is " + SizeWords(conflicts.ours.mapWidth, conflicts.ours.mapHeight) +
                                         ", not the map's size, which a conflict of the size keeps");
        conflicts.fields.push_back(field);
    }
}

uint32_t CellNumber(const Json& value, const Pointer& at, const char* what, uint32_t count,
                    const char* many) {
    const int64_t number = Integer(value, at, what, 0, UINT32_MAX);
    if (number >= count)
        Refuse(at, std::string(what) + " " + std::to_string(number) + " is outside the map's " +
                       std::to_string(count) + " " + many);
    return static_cast<uint32_t>(number);
}

MergeCellValue ReadCellValue(const Json& value, const Pointer& at, bool mayBeNone) {
    if (mayBeNone && value.is_null()) return {};
    return MergeCellValue{true, static_cast<uint32_t>(Integer(value, at, "chip id", 0, UINT32_MAX))};
}

void ReadCells(const Json& cells, const Pointer& at, MergeConflicts& conflicts) {
    if (!cells.is_array()) Refuse(at, "the cells must be an array, not " + Article(cells));
    MapDocument size;
    size.mapWidth = conflicts.mapWidth;
    size.mapHeight = conflicts.mapHeight;
    std::unordered_map<uint64_t, size_t> seen;
    seen.reserve(cells.size());
    for (size_t i = 0; i < cells.size(); ++i) {
        const Json& cell = cells[i];
        const Pointer cellAt = at / i;
        if (!cell.is_array() || cell.size() != 6)
            Refuse(cellAt, "a cell must be [column, row, layer, base, ours, theirs], not " +
                               (cell.is_array() ? Count(cell.size(), "value", "values") : Article(cell)));
        CellConflict read;
        read.column = CellNumber(cell[0], cellAt / 0, "column", size.CellsX(), "columns");
        read.row = CellNumber(cell[1], cellAt / 1, "row", size.CellsY(), "rows");
        const int64_t layer = Integer(cell[2], cellAt / 2, "layer", 0, UINT32_MAX);
        if (layer > 2) Refuse(cellAt / 2, "layer " + std::to_string(layer) + " is not 0, 1 or 2");
        read.layer = static_cast<uint8_t>(layer);
        read.base = ReadCellValue(cell[3], cellAt / 3, true);
        read.ours = ReadCellValue(cell[4], cellAt / 4, false);
        read.theirs = ReadCellValue(cell[5], cellAt / 5, false);
        if (read.ours == read.theirs) Refuse(cellAt, "ours and theirs hold the same chip: no conflict");
        const uint64_t key = (uint64_t{read.layer} * size.CellsY() + read.row) * size.CellsX() + read.column;
        const auto listed = seen.emplace(key, i);
        if (!listed.second)
            Refuse(cellAt, "the cell is listed before, at " + (at / listed.first->second).to_string());
        conflicts.cells.push_back(read);
    }
    // Layer 2 first, then each layer row by row, as the merge lists them.
    std::sort(conflicts.cells.begin(), conflicts.cells.end(), [](const CellConflict& a, const CellConflict& b) {
        if (a.layer != b.layer) return a.layer > b.layer;
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
}

void ReadConflicts(const Json& json, int32_t mapWidth, int32_t mapHeight, MergeConflicts& conflicts) {
    ExpectObject(json, Pointer(), "a conflicts file",
                 {"picoranMergeConflicts", "width", "height", "fields", "cells"});
    const Pointer versionAt("/picoranMergeConflicts");
    const int64_t version = Integer(json["picoranMergeConflicts"], versionAt, "the version", 0, INT32_MAX);
    if (version != kConflictsVersion)
        Refuse(versionAt, "version " + std::to_string(version) + "; this program reads version 1");
    conflicts.mapWidth = Signed32(json["width"], Pointer("/width"), "width");
    conflicts.mapHeight = Signed32(json["height"], Pointer("/height"), "height");
    if (conflicts.mapWidth != mapWidth || conflicts.mapHeight != mapHeight)
        Refuse(Pointer(conflicts.mapWidth != mapWidth ? "/width" : "/height"),
               "the conflicts belong to a map of " + SizeWords(conflicts.mapWidth, conflicts.mapHeight) +
                   ", not to this one of " + SizeWords(mapWidth, mapHeight));
    for (MapDocument* side : {&conflicts.base, &conflicts.ours, &conflicts.theirs}) {
        side->layer0Ids.clear();
        side->layer1Ids.clear();
        side->layer2Ids.clear();
    }
    ReadFields(json["fields"], Pointer("/fields"), conflicts);
    ReadCells(json["cells"], Pointer("/cells"), conflicts);
}

}  // namespace

std::string MergeConflictsPathFor(const std::string& mapPath) { return mapPath + ".conflicts.json"; }

std::string MergeConflictsToJson(const MergeConflicts& conflicts) {
    std::ostringstream out;
    out << "{\n";
    out << "  \"picoranMergeConflicts\": " << kConflictsVersion << ",\n";
    out << "  \"width\": " << conflicts.mapWidth << ",\n";
    out << "  \"height\": " << conflicts.mapHeight << ",\n";
    out << "  \"fields\": {";
    const MapDocument* sides[3] = {&conflicts.base, &conflicts.ours, &conflicts.theirs};
    for (size_t i = 0; i < conflicts.fields.size(); ++i) {
        out << (i ? ",\n" : "\n") << "    \"" << MergeFieldKey(conflicts.fields[i]) << "\": {";
        for (int side = 0; side < 3; ++side) {
            out << (side ? ", \"" : "\"") << kSides[side] << "\": ";
            WriteFieldValue(out, *sides[side], conflicts.fields[i]);
        }
        out << "}";
    }
    out << (conflicts.fields.empty() ? "},\n" : "\n  },\n");
    out << "  \"cells\": [";
    std::string text = out.str();
    text.reserve(text.size() + conflicts.cells.size() * 40 + 8);
    for (size_t i = 0; i < conflicts.cells.size(); ++i) AppendCellLine(text, conflicts.cells[i], i == 0);
    text += conflicts.cells.empty() ? "]\n" : "\n  ]\n";
    text += "}\n";
    return text;
}

bool MergeConflictsFromJson(const std::string& text, int32_t mapWidth, int32_t mapHeight,
                            MergeConflicts& conflicts, std::string& error) {
    MergeConflicts read;
    if (!ReadJson(text, [&](const Json& json) { ReadConflicts(json, mapWidth, mapHeight, read); }, error))
        return false;
    conflicts = std::move(read);
    return true;
}
