// The values a map file carries besides its size and cells: where the player character
// starts, whether that is specified at all, the four stage numbers and the comment.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Texts.h"
#include "map/core/StageNumbers.h"

constexpr size_t kMaxCommentBytes = 256;  // what a map file can hold

struct StageSettings {
    int32_t startX = 320;  // map pixels
    int32_t startY = 240;
    bool startUnspecified = true;  // a new stage has no start position of its own
    StageNumbers numbers;
    // Shift_JIS bytes, at most kMaxCommentBytes, none of them zero: the writer stores the
    // bytes before the first zero, so a zero could never reach a file anyway.
    std::string comment = texts::kDefaultComment;
};

inline bool operator==(const StageSettings& a, const StageSettings& b) {
    return a.startX == b.startX && a.startY == b.startY &&
           a.startUnspecified == b.startUnspecified && a.numbers == b.numbers &&
           a.comment == b.comment;
}
inline bool operator!=(const StageSettings& a, const StageSettings& b) { return !(a == b); }

// A comment as the stage keeps it: the bytes before the first zero. False, for a length
// above kMaxCommentBytes or below 0 (only a damaged file brings either), leaves `comment`.
bool CommentFromBytes(const char* bytes, int32_t length, std::string& comment);
