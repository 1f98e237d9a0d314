// The stage values that the comment and other-settings dialogs hold for the map files.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

constexpr size_t kCommentCapacity = 256;  // bytes of the stage comment, no terminator needed
constexpr size_t kCommentBoxLimit = 255;  // bytes the comment box gives to OK

// The stage comment: 256 Shift_JIS bytes whose text is the bytes before the first zero
// byte, or all 256 when none is zero. Starts as the default comment.
class StageComment {
public:
    StageComment();

    // Replaces the comment with the first `length` bytes: all 256 bytes are zeroed, then
    // the text is copied. A length above 256 or below 0 (only a damaged map file brings
    // either) changes nothing; returns whether the comment was replaced.
    bool Set(const char* bytes, int32_t length);

    // Bytes before the first zero byte, at most 256.
    size_t Length() const;

    // The 256 bytes; not zero-terminated when the comment fills them all.
    const char* Bytes() const { return bytes_.data(); }

    std::string Text() const { return std::string(bytes_.data(), Length()); }

private:
    std::array<char, kCommentCapacity> bytes_{};
};
