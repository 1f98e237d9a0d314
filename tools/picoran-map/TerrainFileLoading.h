// The terrain file (data/terrains.json) read from disk as the editor reads it: the whole
// file, then the core's reader with the palettes' chip tables.
#pragma once
#include <string>

#include "EditorPalettes.h"
#include "map/core/terrain/TerrainSet.h"

// Where terrains check looks when no file is named: from the working folder, as a
// repository's or a game folder's layout has it.
constexpr char kDefaultTerrainFile[] = "data/terrains.json";

// Reads and checks the file. False, with `error` saying why: "cannot read: REASON" when the
// file cannot be read, else the reader's refusal with its place ("/terrains/0/name: ...").
// `text` holds the file's text whenever it was read.
bool LoadTerrainFile(const std::string& path, const EditorPalettes& palettes, std::string& text,
                     TerrainSets& sets, std::string& error);
