// The caption "%s [%s]" never overruns its 260 bytes nor splits a double-byte character.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/Caption.h"
#include "core/ShiftJis.h"
#include "core/Texts.h"

TEST(Caption, FormsTitleBlankAndBracketedPath) {
    char out[kCaptionBufferSize];
    FormatCaption(out, sizeof(out), texts::kProductTitle, texts::kDefaultMapName);
    EXPECT_EQ(std::string(out), std::string(texts::kProductTitle) + " [" + texts::kDefaultMapName + "]");
}

TEST(Caption, LongAsciiPathIsCutInsideTheBufferAndKeepsTheBracket) {
    const std::string path(400, 'a');
    char out[kCaptionBufferSize + 8];
    std::memset(out, 'X', sizeof(out));
    FormatCaption(out, kCaptionBufferSize, texts::kProductTitle, path.c_str());
    EXPECT_EQ(std::strlen(out), kCaptionBufferSize - 1);
    EXPECT_EQ(out[kCaptionBufferSize - 2], ']');
    EXPECT_EQ(out[kCaptionBufferSize], 'X');  // nothing written past the buffer
}

TEST(Caption, LongDoubleBytePathIsNotCutInsideACharacter) {
    // One single-byte character first, so a cut on a two-byte grid would split a character.
    std::string path = "C";
    for (int i = 0; i < 200; ++i) path += "\x83\x7d";  // マ
    for (size_t capacity : {kCaptionBufferSize, kCaptionBufferSize - 1}) {
        char out[kCaptionBufferSize];
        FormatCaption(out, capacity, texts::kProductTitle, path.c_str());
        const size_t length = std::strlen(out);
        ASSERT_LT(length, capacity);
        EXPECT_EQ(out[length - 1], ']');
        // Walking the text character by character must land exactly on the end.
        EXPECT_EQ(ShiftJisKeepLength(out, length, length), length) << capacity;
    }
}
