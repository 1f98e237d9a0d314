// The folder the editor was started from. A bare name such as the default map name means that
// folder, whatever the working folder has become since.
#pragma once
#include <string>

// Remembers the working folder; called once at start-up.
void RememberStartFolder();
// A relative UTF-8 path taken from the start folder; other paths as they are.
std::string PathFromStartFolder(const char* path);
