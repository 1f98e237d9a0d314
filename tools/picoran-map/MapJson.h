// The JSON form of a map (docs/map-format.md, "The JSON form"): what scripts read and write
// instead of the binary format, laid out one map row to a line so its diffs stay readable.
#pragma once
#include <string>

#include "map/core/MapDocument.h"

// The document as JSON text, keys always in the same order. The comment is the document's
// bytes, whether or not hasComment is set.
std::string MapToJson(const MapDocument& document);

// The document the JSON describes, made so that WriteBinaryMap writes the file it stands for:
// a start that is not specified but stored as other values than 2400, 2400 keeps them. False
// when the text is refused, with `error` as "POINTER: REASON" (an RFC 6901 JSON Pointer to
// the value at fault) or, for text that is not JSON, "byte N: REASON".
bool MapFromJson(const std::string& text, MapDocument& document, std::string& error);
