// Whole-file reading and never-destroying file replacement through the Windows API.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The system's text for an error code, in the ANSI code page, without a trailing line end.
std::string SystemErrorText(DWORD error);

// Reads the whole file. False with the system's reason when it cannot be opened or read,
// or when it is larger than maxBytes.
bool ReadWholeFile(const char* path, size_t maxBytes, std::vector<uint8_t>& bytes,
                   std::string& reason);

// Writes bytes to a new file beside path, checks every write, the flush and the close,
// and only then moves it over path in one step. On any failure path is left as it was,
// the new file is removed and reason says what went wrong.
bool ReplaceFileContents(const char* path, const std::vector<uint8_t>& bytes, std::string& reason);
