// The editor holds its paths and texts in the ANSI code page, for the A functions of its
// windows and message boxes; the file functions (files/FileAccess.h) take and give UTF-8.
#pragma once
#include <string>

std::string Utf8FromAnsi(const std::string& ansi);
std::string AnsiFromUtf8(const std::string& utf8);
