// The question before a dropped file or a recent map replaces the map being edited. Until the
// editor knows whether the map has changes, nothing is asked.
#include "map/MapOpening.h"

bool ConfirmDropChanges() { return true; }
