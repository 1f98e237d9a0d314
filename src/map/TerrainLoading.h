// The terrain sets of data/terrains.json in the program's folder, read once at start-up. A
// missing file means no terrains; a refused one means no terrains either, and the designer is
// told why once.
#pragma once
#include <windows.h>

#include <string>

// The file's path, UTF-8: data\terrains.json beside the running program.
std::string TerrainFilePath();
// Reads the file into the editor's sets, or notes why it was refused, with a diagnostic line.
void LoadTerrains();
// When the file was refused: a box over the main window saying so and why.
void ReportRefusedTerrains(HWND owner);
