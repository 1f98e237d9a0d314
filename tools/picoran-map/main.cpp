// picoran-map: the command-line map tool. Everything but this entry point lives in the
// picoran_map library, which the tests call in-process.
#include <iostream>

#include "Commands.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);  // check over many files prints a great deal
    const Arguments args(argv + 1, argv + argc);
    const int status = RunPicoranMap(args, std::cout, std::cerr);
    std::cout.flush();
    // A full disk or a closed pipe must not pass for success in a pipeline.
    if (!std::cout) return kExitTrouble;
    return status;
}
