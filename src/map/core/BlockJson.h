// A block of cells as JSON text, the form the clipboard carries between editors: an object
// shaped like the map tool's export, with `columns`, `rows` and `layers` "0", "1", "2", each
// an array of rows of chip ids, top row first.
#pragma once
#include <cstddef>
#include <string>

#include "map/core/CellBlock.h"

// The longest text a block is read from. A clipboard may hold any text; this bounds the time and
// memory reading one takes (the same reader takes about half a second for the 15.6 MB JSON of a
// whole 1000 x 1000 map in an optimised build), while the block of such a map, with chip ids of
// up to three digits, still fits.
constexpr size_t kMaxBlockTextBytes = 16u * 1024u * 1024u;

// The block as JSON, one row of a layer to a line; empty for an unusable block.
std::string BlockToJson(const CellBlock& block);

// The block the text describes. False, leaving `block` as it was, for anything else: text that
// is not JSON, another shape, wrong types, ragged rows, counts that do not match, chip ids
// beyond 32 bits, a size of no cells or more than a map may hold (kMaxMapCells), or a text longer
// than kMaxBlockTextBytes, which is refused before it is parsed. `error` then
// says why and where, as the map tool's import does ("/layers/2/0/1: chip id -1 is negative").
bool BlockFromJson(const std::string& text, CellBlock& block, std::string& error);
