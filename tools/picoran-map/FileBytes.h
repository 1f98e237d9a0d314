// Whole files in memory: map files and pictures are small, and the core's readers take bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Reads the whole file at path. False, with the system's reason in `error`, when it cannot be
// opened or read, or when it holds more than maxBytes (then nothing beyond that is read).
bool ReadFileBytes(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes,
                   std::string& error);
