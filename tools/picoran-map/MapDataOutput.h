// The map data file a command writes, as the editor saves one: named for a map data file,
// written through the editor's writer and replaced only when complete.
#pragma once
#include <ostream>
#include <string>

#include "map/core/MapDocument.h"

// A map data file named .txt would be read back as a text map; with IN and OUT swapped by
// mistake, the text map itself would be overwritten. False, with the reason on err.
bool IsMapDataOutput(const char* command, const std::string& outPath, std::ostream& err);

// Writes the document to outPath and says so on out; on failure says why on err and returns
// false, leaving outPath as it was.
bool WriteMapDataOutput(const MapDocument& document, const std::string& outPath, std::ostream& out,
                        std::ostream& err);
