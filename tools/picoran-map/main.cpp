// picoran-map: the command-line map tool. Everything but this entry point lives in the
// picoran_map library, which the tests call in-process.
#include <iostream>

#include "Commands.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Lines end in LF as on Linux: git's textconv and the tests see the same bytes from both
    // builds, and text mode's CR LF would show as changed lines in a diff.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);  // check over many files prints a great deal
    const Arguments args(argv + 1, argv + argc);
    const int status = RunPicoranMap(args, std::cout, std::cerr);
    std::cout.flush();
    // A full disk or a closed pipe must not pass for success in a pipeline.
    if (!std::cout) return kExitTrouble;
    return status;
}
