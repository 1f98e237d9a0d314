// The conflicts a merge left beside a map (MergeConflictsFile.h) in the editor: read when the
// map opens, those of the cells marked in the view and the overview and visited by 次の競合,
// those of the values asked about by 値の競合; each resolved on its own, keeping ours or taking
// theirs, as one undo step. Once none is left open the designer is offered to remove the
// conflicts file.
#pragma once
#include <string>

// Reads the conflicts file beside the map just opened (path UTF-8), if there is one, and names
// the values besides the cells in conflict in a message. A file that cannot be read or does not
// belong to the map is refused with the reason in a message; the map stays open without
// conflicts.
void ReadConflictsBesideMap(const std::string& mapPath);
// After the map was saved (path UTF-8, full) with some of its conflicts resolved: the conflicts
// file keeps only the cells and values still open, so that opening the map again marks just those.
void KeepConflictsFileCurrent(const std::string& savedMapPath);
// 次の競合: the view centred on the next open conflict after the current one, which it becomes;
// a beep when none is open.
void GoToNextConflict();
// The current conflict resolved: ours kept (no cell written) or theirs taken (a beep instead
// while its layer is hidden). True when that left none open: the caller shows the change, then
// offers to remove the conflicts file.
bool ResolveCurrentConflict(bool takeTheirs);
// 値の競合: for each open conflict of a value in turn, "NAME：こちら OURS　あちら THEIRS" asked
// whether to take theirs: Yes takes it into the settings, No keeps ours, each one undo step;
// Cancel stops, leaving the rest open. Theirs' size is refused with a beep (it would resize
// the map) and stays open. A beep when none is open. True when that left no conflict open, of
// a cell or a value: the caller shows the change, then offers to remove the conflicts file.
bool ChooseFieldConflicts();
// With every conflict resolved the file has done its work: removed if the designer agrees.
void OfferToRemoveConflictsFile();
