// Replacing a file so that it is either the old file or the complete new one, never a mix,
// for the native command-line tool. POSIX only: the editor does the same with MoveFileEx on
// Windows in its own shell code.
#pragma once
#ifndef _WIN32
#include <cstdint>
#include <string>
#include <vector>

// Writes `bytes` to a new file beside `path`, flushes it to disk and renames it over `path`.
// On failure `path` is untouched, the temporary file is removed, `error` names the step and
// the system's reason, and the result is false. A replaced file keeps its permission bits.
bool WriteFileAtomically(const char* path, const std::vector<uint8_t>& bytes,
                         std::string& error);
#endif
