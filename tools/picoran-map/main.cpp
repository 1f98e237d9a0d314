// picoran-map: the command-line map tool. Everything but this entry point lives in the
// picoran_map library, which the tests call in-process.
#include <iostream>

#include "Commands.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <windows.h>
#endif

namespace {

int Run(const Arguments& args) {
#ifdef _WIN32
    // Lines end in LF as on Linux: git's textconv and the tests see the same bytes from both
    // builds, and text mode's CR LF would show as changed lines in a diff.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);  // check over many files prints a great deal
    const int status = RunPicoranMap(args, std::cout, std::cerr);
    std::cout.flush();
    // A full disk or a closed pipe must not pass for success in a pipeline.
    if (!std::cout) return kExitTrouble;
    return status;
}

}  // namespace

#ifdef _WIN32
// The arguments in UTF-16, as the system holds them, passed on as UTF-8, which the commands
// print and the file functions take: the ANSI code page of a char argv cannot name every file.
int wmain(int argc, wchar_t** argv) {
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        const int length = static_cast<int>(wcslen(argv[i]));
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, argv[i], length, nullptr, 0, nullptr, nullptr);
        std::string arg(bytes > 0 ? static_cast<size_t>(bytes) : 0, '\0');
        if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, argv[i], length, &arg[0], bytes, nullptr, nullptr);
        args.push_back(arg);
    }
    return Run(args);
}
#else
int main(int argc, char** argv) { return Run(Arguments(argv + 1, argv + argc)); }
#endif
