// The one place where a map file's stage values meet the dialogs that hold them: the size the
// edit-area boxes show, the start position's boxes and "not specified" box, the comment and
// the four stage numbers.
#pragma once
#include "map/core/MapDocument.h"

// A read map's values into the dialogs: the size boxes, the "not specified" box, the start
// position's boxes when the map has a position (so that OK without typing keeps it), the
// stage numbers and the comment.
void ShowStageValues(const MapDocument& document);

// The dialogs' values into a document about to be saved: "not specified", the stage numbers
// and the comment (its bytes before the first zero byte).
void CollectStageValues(MapDocument& document);

// New: the size boxes show 640 x 480 and the stage numbers go back to a new map's.
void ShowNewMapValues();
