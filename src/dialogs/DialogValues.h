// The one place where the stage's values meet the dialogs that show them: the size the
// edit-area boxes show, the start position's boxes and "not specified" box, the comment and
// the four stage numbers.
#pragma once
#include "map/core/Stage.h"

// Fills every settings dialog's boxes from the stage: after it was opened, made new, or
// changed by undo or redo. The start position's boxes show it when it is specified or lies
// where the dialog would accept it, so that OK without typing keeps it.
void ShowStageValues(const Stage& stage);
