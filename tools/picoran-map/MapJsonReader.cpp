// Reads the JSON form with the core's JSON reader, which the editor's clipboard uses too, and
// checks every value before anything is written: the first fault refuses the whole text,
// named by a JSON Pointer.
#include <cstdint>

#include "CommentEncoding.h"
#include "MapJson.h"
#include "map/core/JsonForm.h"
#include "map/core/MapFileLayout.h"
#include "map/core/MapFileReader.h"

namespace {

using namespace jsonform;

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
    ReadChipRows(value, at, doc.CellsX(), doc.CellsY(),
                 "a height of " + std::to_string(doc.mapHeight) + " gives " +
                     std::to_string(doc.CellsY()),
                 "a width of " + std::to_string(doc.mapWidth) + " gives " +
                     std::to_string(doc.CellsX()),
                 ids);
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

}  // namespace

bool MapFromJson(const std::string& text, MapDocument& document, std::string& error) {
    MapDocument doc;
    if (!ReadJson(text, [&doc](const Json& map) { ReadMap(map, doc); }, error)) return false;
    document = std::move(doc);
    return true;
}
