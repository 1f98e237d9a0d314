// The one place where the stage's values meet the dialogs that show them: the size the
// edit-area boxes show, the start position's boxes and "not specified" box, the comment and
// the four stage numbers.
#pragma once
#include "Window.h"
#include "map/core/Stage.h"

// Fills every settings dialog's boxes from the stage: after it was opened, made new, or
// changed by undo or redo. OK without typing then keeps every value as the stage holds it.
void ShowStageValues(const Stage& stage);
// The same for one dialog, each time it is shown: what was typed before a cancel is gone.
void ShowStageValuesIn(const Window* dialog, const Stage& stage);
