// The conflicts file a merge leaves beside the merged map, so that the editor can mark each
// conflict and let the designer choose a side. UTF-8 JSON, written by the map tool's merge
// and read with the JSON form's checks (JsonForm.h):
//
//   {
//     "picoranMergeConflicts": 1,
//     "width": 800,
//     "height": 560,
//     "fields": {
//       "size": {"base": {"width": 800, "height": 560}, "ours": {"width": 800, "height": 560},
//                "theirs": {"width": 640, "height": 480}},
//       "start": {"base": null, "ours": {"x": 120, "y": 80}, "theirs": {"x": 40, "y": 40}},
//       "timeLimit": {"base": 300, "ours": 200, "theirs": 100},
//       "comment": {"base": [], "ours": [131, 82], "theirs": [120]}
//     },
//     "cells": [
//       [3, 5, 1, 0, 2, 4],
//       [20, 13, 0, null, 26, 27]
//     ]
//   }
//
// - "picoranMergeConflicts": the form's version, 1.
// - "width", "height": the merged map's size in pixels, which the conflicts belong to (in a
//   conflict of the size the merged map has ours).
// - "fields": each conflicting field by its key (MergeFieldKey), with the base's, ours and
//   theirs value: "size" as width and height, "start" as x and y or null when not specified,
//   the four stage numbers ("targetTime", "timeLimit", "backgroundImage", "music") as
//   numbers, "comment" as its Shift_JIS bytes, 0 to 256 of them.
// - "cells": each conflicting cell as [column, row, layer, base, ours, theirs], chip ids of the
//   layer as the map stores them, base null where the base map had no such cell; layer 2
//   first, then 1 and 0, each row by row, one cell a line.
#pragma once
#include <cstdint>
#include <string>

#include "map/core/MapMerge.h"

// The conflicts file of a merged map: its path with ".conflicts.json" added
// ("stage1.bin.conflicts.json").
std::string MergeConflictsPathFor(const std::string& mapPath);

std::string MergeConflictsToJson(const MergeConflicts& conflicts);

// The conflicts the text describes, for a map of mapWidth x mapHeight pixels. False, leaving
// `conflicts` as it was, with `error` as "POINTER: REASON", for text that is not such a file:
// not JSON, another version, unknown keys, wrong types, a comment above 256 bytes, a cell
// outside the map, in a layer above 2 or listed twice, a cell or field whose ours and theirs
// agree (no conflict), a size conflict whose ours is not the map's size; and for a file of a
// map of another size, which belongs to another map.
bool MergeConflictsFromJson(const std::string& text, int32_t mapWidth, int32_t mapHeight,
                            MergeConflicts& conflicts, std::string& error);
