// Replacing an output file as the editor saves a map: afterwards the file is either the old
// one or the complete new one, never a mix, on Linux and on Windows alike.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Writes `bytes` beside `path` and moves them over it once complete. False, with the step
// and the system's reason, when that fails; `path` is then as it was.
bool ReplaceFileSafely(const std::string& path, const std::vector<uint8_t>& bytes,
                       std::string& error);
