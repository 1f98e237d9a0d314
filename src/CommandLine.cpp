#include "CommandLine.h"

#include <windows.h>

#include <shellapi.h>

std::wstring MapPathFromCommandLine(const wchar_t* commandLine) {
    if (commandLine == nullptr || commandLine[0] == L'\0') return std::wstring();
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine, &count);
    if (arguments == nullptr) return std::wstring();
    const std::wstring path = count >= 2 ? arguments[1] : L"";
    LocalFree(arguments);
    return path;
}
