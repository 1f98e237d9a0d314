// How the commands write a map's values, so info, diff and dump say them alike.
#pragma once
#include <cstdint>
#include <string>

#include "map/core/MapDocument.h"

// "640 x 480 pixels, 16 x 12 cells".
std::string SizeText(const MapDocument& doc);
// "320, 240", or "not specified (2400, 2400)" with the values the file holds.
std::string StartText(const MapDocument& doc);
// The comment in double quotes with escapes.
std::string CommentText(const MapDocument& doc);

// The four stage numbers by index 0 to 3, in file order.
const char* StageName(int index);
int32_t StageValue(const MapDocument& doc, int index);

// Chip ids of a layer (0, 1 or 2).
const std::vector<uint32_t>& LayerIds(const MapDocument& doc, int32_t layer);
