// How much the comment box takes: the comment is stored as Shift_JIS (code page 932) and the
// box gives OK at most 255 bytes, so typing and pasting stop where the next character would
// pass them. A character that code page 932 lacks is stored as "?" and counts as one byte.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// One character of the box and what code page 932 makes of it.
struct CommentCharacter {
    char32_t code;     // the character itself, to tell characters apart
    std::string sjis;  // its code page 932 bytes; empty when the code page has none
};
using CommentCharacters = std::vector<CommentCharacter>;

// The bytes the comment stores for the box's text.
std::string CommentBytes(const CommentCharacters& text);
size_t CommentByteCount(const CommentCharacters& text);

// A change of the box's text seen as: the characters both texts begin with (head), then
// what the change put in (inserted, in the new text), then the characters both end with.
struct CommentChange {
    size_t head;      // characters before the change
    size_t inserted;  // characters the change put in after them
    size_t kept;      // how many of those the box keeps: all, when the new text fits
};

// Compares the text before and after a change (typing, pasting, anything). When the new text
// holds more than `limit` bytes, only the longest run of the inserted characters that fits
// is kept; a text that is already too long (a map file can bring 256 bytes) keeps none.
CommentChange FitCommentChange(const CommentCharacters& before, const CommentCharacters& after,
                               size_t limit);
