// Where the palettes and the small windows (the overview, the window "地形", the layers panel) stand, and whether
// each is shown, kept between runs in layout.txt in the program's folder (core/LayoutFile.h).
// The main window is not kept: it always starts at (100, 100). A layout that cannot be read is
// no layout and one that cannot be written is not kept; neither is ever said.
#pragma once

// Once the windows are made: each window the file names goes back where it stood, unless it
// would not lie wholly on one monitor's work area now (then it keeps its first place), and is
// shown or hidden as it was. From then on the file follows the windows: it is written again
// when one is shown or hidden, or moved or sized by the designer.
void RestoreWindowLayout();
// Writes the layout a last time and stops following the windows; nothing unless it was
// restored. Called before the windows are destroyed, which hides them.
void EndWindowLayout();
