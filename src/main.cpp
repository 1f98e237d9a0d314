// The editor's entry point. Its arguments are not used: the program takes no settings.
#include <windows.h>

#include "Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunEditor(); }
