// The caption never overruns its 260 units nor splits a surrogate pair, and keeps its bracket.
#include <gtest/gtest.h>

#include <string>

#include "core/Caption.h"

TEST(Caption, FormsTitleBlankAndBracketedPath) {
    EXPECT_EQ(FormatCaption(u"ぴこらんエディタ", u"ぴこらんマップ"), u"ぴこらんエディタ [ぴこらんマップ]");
    EXPECT_EQ(FormatCaption(u"T", u"C:\\한국어\\😀.bin"), u"T [C:\\한국어\\😀.bin]");
    EXPECT_EQ(FormatCaption(u"T", u"a.bin", kCaptionBufferSize, true), u"T [a.bin] *");
}

TEST(Caption, LongPathIsCutInsideTheBufferAndKeepsTheBracket) {
    const std::u16string caption = FormatCaption(u"ぴこらんエディタ", std::u16string(400, u'a'));
    EXPECT_EQ(caption.size(), kCaptionBufferSize - 1);
    EXPECT_EQ(caption.back(), u']');
    const std::u16string modified =
        FormatCaption(u"ぴこらんエディタ", std::u16string(400, u'a'), kCaptionBufferSize, true);
    EXPECT_EQ(modified.size(), kCaptionBufferSize - 1);
    EXPECT_EQ(modified.substr(modified.size() - 3), u"] *");
}

TEST(Caption, LongPathIsNotCutInsideASurrogatePair) {
    std::u16string path = u"C";
    for (int i = 0; i < 200; ++i) path += u"😀";
    for (size_t capacity : {kCaptionBufferSize, kCaptionBufferSize - 1}) {
        const std::u16string caption = FormatCaption(u"ぴこらんエディタ", path, capacity);
        ASSERT_LT(caption.size(), capacity);
        EXPECT_EQ(caption.back(), u']');
        const char16_t last = caption[caption.size() - 2];
        EXPECT_FALSE(last >= 0xD800 && last <= 0xDBFF) << capacity;  // no lone high surrogate
    }
}
