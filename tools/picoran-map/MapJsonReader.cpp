// Reads the JSON form with nlohmann's parser and checks every value before anything is
// written: the first fault refuses the whole text, named by a JSON Pointer.
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>

#include "CommentEncoding.h"
#include "MapJson.h"
#include "map/core/MapFileLayout.h"
#include "map/core/MapFileReader.h"

namespace {

using Json = nlohmann::json;
using Pointer = Json::json_pointer;

// Thrown at the first fault; MapFromJson turns it into the message.
struct Refusal {
    std::string where;
    std::string reason;
};

[[noreturn]] void Refuse(const Pointer& at, const std::string& reason) {
    // The whole document's pointer is the empty string, which would vanish in the message.
    throw Refusal{at.empty() ? "\"\"" : at.to_string(), reason};
}

std::string Count(size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string Article(const Json& value) {
    const std::string type = value.type_name();
    return (type == "array" || type == "object" ? "an " : "a ") + type;
}

// The object's keys must be `keys` (those in `optional` may be missing); the first unknown key
// is refused rather than dropped, since a misspelt one would otherwise be lost silently.
void ExpectObject(const Json& value, const Pointer& at, const char* what,
                  std::initializer_list<const char*> keys,
                  std::initializer_list<const char*> optional = {}) {
    if (!value.is_object())
        Refuse(at, what + std::string(" must be an object, not ") + Article(value));
    for (const auto& item : value.items()) {
        bool known = false;
        for (const char* key : keys) known = known || item.key() == key;
        for (const char* key : optional) known = known || item.key() == key;
        if (!known) Refuse(at / item.key(), "unknown key");
    }
    for (const char* key : keys) {
        if (!value.contains(key)) Refuse(at / key, what + std::string(" has no \"") + key + "\"");
    }
}

// An integer within [min, max]; `what` names it in the message.
int64_t Integer(const Json& value, const Pointer& at, const std::string& what, int64_t min,
                int64_t max) {
    const std::string range = min < 0 ? "signed 32 bits" : "32 bits";
    if (value.is_number_unsigned()) {
        const uint64_t number = value.get<uint64_t>();
        if (number > static_cast<uint64_t>(max))
            Refuse(at, what + " " + value.dump() + " does not fit " + range);
        return static_cast<int64_t>(number);
    }
    if (value.is_number_integer()) {
        const int64_t number = value.get<int64_t>();
        if (number < min) {
            Refuse(at, what + " " + value.dump() +
                           (min == 0 ? " is negative" : " does not fit " + range));
        }
        if (number > max) Refuse(at, what + " " + value.dump() + " does not fit " + range);
        return number;
    }
    if (value.is_number_float()) {
        // nlohmann keeps an integer beyond 64 bits as a floating-point number.
        const double number = value.get<double>();
        if (std::isfinite(number) && std::floor(number) == number && (number < min || number > max))
            Refuse(at, what + " " + value.dump() + " does not fit " + range);
        Refuse(at, what + " must be an integer, not " + value.dump());
    }
    Refuse(at, what + " must be an integer, not " + Article(value));
}

int32_t Signed32(const Json& value, const Pointer& at, const std::string& what) {
    return static_cast<int32_t>(Integer(value, at, what, std::numeric_limits<int32_t>::min(),
                                        std::numeric_limits<int32_t>::max()));
}

void ReadPosition(const Json& value, const Pointer& at, int32_t& x, int32_t& y) {
    ExpectObject(value, at, "a position", {"x", "y"});
    x = Signed32(value["x"], at / "x", "start x");
    y = Signed32(value["y"], at / "y", "start y");
}

std::string Position(const MapDocument& doc) {
    return std::to_string(doc.startX) + ", " + std::to_string(doc.startY);
}

// `start` is the position, or null for "not specified"; then `unspecifiedStart`, when present,
// holds the values the file stores for it instead of the writer's 2400, 2400.
void ReadStart(const Json& map, MapDocument& doc) {
    const Pointer start = Pointer("/start");
    const Pointer stored = Pointer("/unspecifiedStart");
    if (!map["start"].is_null()) {
        if (map.contains("unspecifiedStart"))
            Refuse(stored, "only a start of null has stored values");
        ReadPosition(map["start"], start, doc.startX, doc.startY);
        if (StartIsUnspecified(doc.startX, doc.startY)) {
            Refuse(start, Position(doc) +
                              " reads as not specified; write null, with unspecifiedStart "
                              "to keep these values");
        }
        doc.startUnspecified = false;
        return;
    }
    doc.startUnspecified = true;
    doc.startX = doc.startY = mapfile::kUnspecifiedStart;  // what the reader gives back
    if (!map.contains("unspecifiedStart")) return;
    ReadPosition(map["unspecifiedStart"], stored, doc.startX, doc.startY);
    if (!StartIsUnspecified(doc.startX, doc.startY))
        Refuse(stored, Position(doc) + " reads as a specified start; write it as the start");
    // The writer stores the values themselves only for a specified start; read back, they
    // still mean "not specified".
    doc.startUnspecified = false;
}

void ReadComment(const Json& value, MapDocument& doc) {
    const Pointer at = Pointer("/comment");
    if (!value.is_string()) Refuse(at, "the comment must be a string, not " + Article(value));
    std::string error;
    if (!CommentFromJson(value.get<std::string>(), doc.comment, error)) Refuse(at, error);
    if (doc.comment.size() > static_cast<size_t>(mapfile::kMaxCommentBytes)) {
        Refuse(at, "the comment is " + std::to_string(doc.comment.size()) +
                       " bytes in Shift_JIS; at most " + std::to_string(mapfile::kMaxCommentBytes) +
                       " fit");
    }
}

void ReadLayer(const Json& value, const Pointer& at, const MapDocument& doc,
               std::vector<uint32_t>& ids) {
    const uint32_t rows = doc.CellsY();
    const uint32_t columns = doc.CellsX();
    if (!value.is_array()) Refuse(at, "a layer must be an array of rows, not " + Article(value));
    if (value.size() != rows) {
        Refuse(at, Count(value.size(), "row", "rows") + "; a height of " +
                       std::to_string(doc.mapHeight) + " gives " + std::to_string(rows));
    }
    ids.assign(doc.CellCount(), 0);
    for (uint32_t row = 0; row < rows; ++row) {
        const Json& cells = value[row];
        const Pointer rowAt = at / size_t{row};
        if (!cells.is_array())
            Refuse(rowAt, "a row must be an array of chip ids, not " + Article(cells));
        if (cells.size() != columns) {
            Refuse(rowAt, Count(cells.size(), "chip id", "chip ids") + "; a width of " +
                              std::to_string(doc.mapWidth) + " gives " + std::to_string(columns));
        }
        for (uint32_t column = 0; column < columns; ++column) {
            ids[size_t{row} * columns + column] =
                static_cast<uint32_t>(Integer(cells[column], rowAt / size_t{column}, "chip id", 0,
                                              std::numeric_limits<uint32_t>::max()));
        }
    }
}

void ReadMap(const Json& map, MapDocument& doc) {
    ExpectObject(map, Pointer(), "the map",
                 {"width", "height", "start", "targetTime", "timeLimit", "backgroundImage", "music",
                  "comment", "layers"},
                 {"unspecifiedStart"});
    doc.mapWidth = Signed32(map["width"], Pointer("/width"), "width");
    doc.mapHeight = Signed32(map["height"], Pointer("/height"), "height");
    if (!MapSizeIsAcceptable(doc.mapWidth, doc.mapHeight)) {
        // The field the map data file reader names: the height only when it alone gives no row.
        const char* at = doc.CellsX() > 0 && doc.CellsY() == 0 ? "/height" : "/width";
        Refuse(Pointer(at), "map size " + std::to_string(doc.mapWidth) + " x " +
                                std::to_string(doc.mapHeight) + " gives " +
                                std::to_string(uint64_t{doc.CellsX()} * doc.CellsY()) +
                                " cells; 1 to " + std::to_string(kMaxMapCells) + " are accepted");
    }
    ReadStart(map, doc);
    doc.targetTime = Signed32(map["targetTime"], Pointer("/targetTime"), "target time");
    doc.timeLimit = Signed32(map["timeLimit"], Pointer("/timeLimit"), "time limit");
    doc.backgroundImage =
        Signed32(map["backgroundImage"], Pointer("/backgroundImage"), "background image number");
    doc.music = Signed32(map["music"], Pointer("/music"), "music number");
    ReadComment(map["comment"], doc);
    const Json& layers = map["layers"];
    ExpectObject(layers, Pointer("/layers"), "the layers", {"0", "1", "2"});
    ReadLayer(layers["0"], Pointer("/layers/0"), doc, doc.layer0Ids);
    ReadLayer(layers["1"], Pointer("/layers/1"), doc, doc.layer1Ids);
    ReadLayer(layers["2"], Pointer("/layers/2"), doc, doc.layer2Ids);
}

// nlohmann's message without its "[json.exception.parse_error.101] " tag.
std::string LibraryReason(const Json::exception& e) {
    const std::string message = e.what();
    const size_t tagEnd = message.find("] ");
    return tagEnd == std::string::npos ? message : message.substr(tagEnd + 2);
}

}  // namespace

bool MapFromJson(const std::string& text, MapDocument& document, std::string& error) {
    Json map;
    try {
        map = Json::parse(text);
    } catch (const Json::parse_error& e) {
        error = "byte " + std::to_string(e.byte) + ": not valid JSON: " + LibraryReason(e);
        return false;
    } catch (const Json::out_of_range& e) {  // a number beyond a double, such as 1e400
        error = "not valid JSON: " + LibraryReason(e);
        return false;
    }
    MapDocument doc;
    try {
        ReadMap(map, doc);
    } catch (const Refusal& refusal) {
        error = refusal.where + ": " + refusal.reason;
        return false;
    }
    document = std::move(doc);
    return true;
}
