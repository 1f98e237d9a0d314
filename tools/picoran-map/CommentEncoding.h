// Stage comments from their JSON text back to the Shift_JIS bytes the map file stores.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The bytes of a comment written as CommentForJson writes it: `\\` is a backslash, `\xNN`
// (either letter case) the byte NN, and every other character its code page 932 code. False,
// with `error` naming the character (counted from 1), for any other backslash sequence, a
// character that code page 932 cannot hold or that would read back as something else, a zero
// byte (the editor's comment ends at one) and text that is not UTF-8.
bool CommentFromJson(const std::string& text, std::vector<uint8_t>& bytes, std::string& error);
