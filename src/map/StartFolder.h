// The folder the editor was started from. A bare name such as the default map name means that
// folder, whatever the working folder has become since.
#pragma once
#include <string>

// Remembers the working folder; called once at start-up.
void RememberStartFolder();
// A relative UTF-8 path taken from the start folder; other paths as they are.
std::string PathFromStartFolder(const char* path);
// The full path of a map path, as the caption and the recent maps show it: a relative path is
// taken from the start folder, and "." and ".." are resolved.
std::wstring FullMapPath(const std::wstring& path);
