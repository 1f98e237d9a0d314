#include "MapText.h"

#include "CommentText.h"

std::string SizeText(const MapDocument& doc) {
    return std::to_string(doc.mapWidth) + " x " + std::to_string(doc.mapHeight) + " pixels, " +
           std::to_string(doc.CellsX()) + " x " + std::to_string(doc.CellsY()) + " cells";
}

std::string StartText(const MapDocument& doc) {
    const std::string position = std::to_string(doc.startX) + ", " + std::to_string(doc.startY);
    return doc.startUnspecified ? "not specified (" + position + ")" : position;
}

std::string CommentText(const MapDocument& doc) {
    return EscapedComment(doc.comment, true);
}

const char* StageName(int index) {
    static const char* const kNames[4] = {"target time", "time limit", "background image number",
                                          "music number"};
    return kNames[index];
}

int32_t StageValue(const MapDocument& doc, int index) {
    const int32_t values[4] = {doc.targetTime, doc.timeLimit, doc.backgroundImage, doc.music};
    return values[index];
}

const std::vector<uint32_t>& LayerIds(const MapDocument& doc, int32_t layer) {
    return layer == 2 ? doc.layer2Ids : layer == 1 ? doc.layer1Ids : doc.layer0Ids;
}
