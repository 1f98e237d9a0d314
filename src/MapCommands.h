// What the commands do to the map, for the keys, the menu and the settings dialogs' OK buttons.
#pragma once
#include <cstdint>

// New: asks first when the map is modified; then the default name, a 16 x 12 empty map at the
// top-left, a new map's stage numbers and a new undo history. The start position, the
// comment and the selected chip stay.
void NewMap();
// Empties every cell of every layer (one undo step); size, view, caption and path stay.
void ClearMapCommand();
// The edit area's OK: the view goes back to the top-left corner and the map takes the size,
// keeping the cells both sizes share.
void ResizeMapFromDialog(int32_t width, int32_t height);
// The start-position dialog's OK: where the character starts, in map pixels, and whether
// that counts at all; the view and the overview then show it, or no marker when the
// position is not specified.
void SetStartPosition(int32_t x, int32_t y, bool unspecified);
