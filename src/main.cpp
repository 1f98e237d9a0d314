// The editor's entry point: the first argument of the command line, when there is one, is the
// map to open once the windows are up.
#include <windows.h>

#include "Application.h"
#include "CommandLine.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunEditor(MapPathFromCommandLine(GetCommandLineW()));
}
