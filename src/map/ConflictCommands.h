// The conflicts a merge left beside a map (MergeConflictsFile.h) in the editor: read when the
// map opens and marked in the view and the overview, visited by 次の競合, and resolved one at a
// time, keeping ours or taking theirs, each as one undo step. Once none is left open the
// designer is offered to remove the conflicts file.
#pragma once
#include <string>

// Reads the conflicts file beside the map just opened (path UTF-8), if there is one, and names
// the values besides the cells in conflict in a message. A file that cannot be read or does not
// belong to the map is refused with the reason in a message; the map stays open without
// conflicts.
void ReadConflictsBesideMap(const std::string& mapPath);
// After the map was saved (path UTF-8, full) with some of its conflicts resolved: the conflicts
// file keeps only those still open, so that opening the map again marks just those.
void KeepConflictsFileCurrent(const std::string& savedMapPath);
// 次の競合: the view centred on the next open conflict after the current one, which it becomes;
// a beep when none is open.
void GoToNextConflict();
// The current conflict resolved: ours kept (no cell written) or theirs taken (a beep instead
// while its layer is hidden). True when that left none open: the caller shows the change, then
// offers to remove the conflicts file.
bool ResolveCurrentConflict(bool takeTheirs);
// With every conflict resolved the file has done its work: removed if the designer agrees.
void OfferToRemoveConflictsFile();
