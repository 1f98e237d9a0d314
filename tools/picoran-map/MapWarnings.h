// What the editor accepts in a map file but a designer or the game's programmer should know.
#pragma once
#include <string>
#include <vector>

#include "EditorPalettes.h"
#include "MapLoading.h"

// One English sentence per finding, in a fixed order: size, start position, stage numbers,
// comment, the fields the editor's reader passes over (map data files), then chips that no
// palette holds, layer by layer (2, 1, 0) and by chip id. Empty for a refused file.
std::vector<std::string> MapWarnings(const LoadedMap& map, const EditorPalettes& palettes);
