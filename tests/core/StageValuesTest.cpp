#include "dialogs/core/StageValues.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/Texts.h"

TEST(StageComment, StartsWithTheDefaultComment) {
    const StageComment comment;
    EXPECT_EQ(comment.Length(), 42u);
    EXPECT_EQ(comment.Text(), std::string(texts::kDefaultComment));
    // The rest of the 256 bytes are zero.
    for (size_t i = 42; i < kCommentCapacity; ++i) ASSERT_EQ(comment.Bytes()[i], '\0') << i;
}

TEST(StageComment, SetReplacesAllBytesOrNothing) {
    StageComment comment;
    ASSERT_TRUE(comment.Set("short", 5));
    EXPECT_EQ(comment.Text(), "short");
    // The old default comment leaves no tail behind the shorter text.
    for (size_t i = 5; i < kCommentCapacity; ++i) ASSERT_EQ(comment.Bytes()[i], '\0') << i;

    // Exactly 256 bytes fill the store with no zero byte.
    std::string full(256, 'x');
    full[0] = '\x82';
    full[1] = '\xa0';
    ASSERT_TRUE(comment.Set(full.data(), 256));
    EXPECT_EQ(comment.Length(), 256u);
    EXPECT_EQ(comment.Text(), full);
    EXPECT_EQ(std::memchr(comment.Bytes(), '\0', kCommentCapacity), nullptr);

    // 257 bytes and a negative length change nothing.
    const std::string tooLong(257, 'y');
    EXPECT_FALSE(comment.Set(tooLong.data(), 257));
    EXPECT_FALSE(comment.Set("zz", -1));
    EXPECT_EQ(comment.Text(), full);

    // Bytes after an embedded zero are stored, but the text ends at the zero.
    ASSERT_TRUE(comment.Set("ab\0cd", 5));
    EXPECT_EQ(comment.Length(), 2u);
    EXPECT_EQ(comment.Bytes()[3], 'c');

    ASSERT_TRUE(comment.Set("", 0));
    EXPECT_EQ(comment.Length(), 0u);
}

