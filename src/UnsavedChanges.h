// The question before unsaved work is dropped: closing, New, Open and the end of the
// Windows session ask it first when the map is modified.
#pragma once

// Asks "save the changes?" when the stage differs from what was last opened or saved, and
// does what the answer says: Yes saves as Save does, No drops the changes, Cancel keeps
// everything. True when the caller may go on and drop the map: nothing was modified, the
// designer said No, or the save succeeded. False after Cancel or a failed or cancelled save.
bool ConfirmDropChanges();
