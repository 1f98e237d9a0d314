// Writes the JSON form by hand around nlohmann's string escaping: its own pretty printer
// would put every chip id on a line of its own.
#include <nlohmann/json.hpp>

#include <sstream>

#include "CommentText.h"
#include "MapJson.h"
#include "MapText.h"
#include "map/core/JsonForm.h"
#include "map/core/MapFileLayout.h"

namespace {

void WritePosition(std::ostream& out, const char* key, int32_t x, int32_t y) {
    out << "  \"" << key << "\": {\"x\": " << x << ", \"y\": " << y << "},\n";
}

void WriteLayer(std::ostream& out, const MapDocument& doc, int32_t layer) {
    jsonform::WriteChipRows(out, std::to_string(layer), LayerIds(doc, layer).data(), doc.CellsX(),
                            doc.CellsY(), layer == 2);
}

}  // namespace

std::string MapToJson(const MapDocument& doc) {
    std::ostringstream out;
    out << "{\n";
    out << "  \"width\": " << doc.mapWidth << ",\n";
    out << "  \"height\": " << doc.mapHeight << ",\n";
    if (!doc.startUnspecified) {
        WritePosition(out, "start", doc.startX, doc.startY);
    } else {
        out << "  \"start\": null,\n";
        // Only a stored 999 (the older mark) differs from what the writer stores itself.
        if (doc.startX != mapfile::kUnspecifiedStart || doc.startY != mapfile::kUnspecifiedStart)
            WritePosition(out, "unspecifiedStart", doc.startX, doc.startY);
    }
    out << "  \"targetTime\": " << doc.targetTime << ",\n";
    out << "  \"timeLimit\": " << doc.timeLimit << ",\n";
    out << "  \"backgroundImage\": " << doc.backgroundImage << ",\n";
    out << "  \"music\": " << doc.music << ",\n";
    // Not ASCII-only: the comment's Japanese stays readable in the file.
    out << "  \"comment\": " << nlohmann::json(CommentForJson(doc.comment)).dump(-1, ' ', false)
        << ",\n";
    out << "  \"layers\": {\n";
    for (int32_t layer = 0; layer <= 2; ++layer) WriteLayer(out, doc, layer);
    out << "  }\n";
    out << "}\n";
    return out.str();
}
