// Stage comments, stored as Shift_JIS bytes, shown on a UTF-8 terminal and in line-oriented
// text without losing a byte: what code page 932 cannot map, and control characters, are
// written as escapes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The bytes as UTF-8 with `\\`, `\r`, `\n`, `\t` and `\xNN` escapes (a byte that does not
// decode, or another control character); with `quoted`, a `"` is escaped too and the text
// stands between double quotes. Two different comments never give the same text.
std::string EscapedComment(const std::vector<uint8_t>& bytes, bool quoted);

// The bytes as UTF-8 for a JSON string, which holds any character itself: every character
// that decodes stands as itself (control characters too), a backslash is `\\` and a byte
// that does not decode is `\xNN`. CommentFromJson (CommentEncoding.h) reverses it exactly.
std::string CommentForJson(const std::vector<uint8_t>& bytes);

// The comment cut at its line breaks (CR LF, LF or a lone CR), each line escaped unquoted.
// An empty comment gives no line.
std::vector<std::string> CommentLines(const std::vector<uint8_t>& bytes);
