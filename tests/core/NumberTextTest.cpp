#include "dialogs/core/NumberText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

TEST(ReadBoxNumber, SignsBlanksAndStopCharacters) {
    EXPECT_EQ(ReadBoxNumber(""), 0);
    EXPECT_EQ(ReadBoxNumber(nullptr), 0);
    EXPECT_EQ(ReadBoxNumber("abc"), 0);
    EXPECT_EQ(ReadBoxNumber("-40"), -40);
    EXPECT_EQ(ReadBoxNumber("  +12abc"), 12);
    EXPECT_EQ(ReadBoxNumber("\t\r\n\v\f7"), 7);
    EXPECT_EQ(ReadBoxNumber("+-3"), 0);   // one sign only
    EXPECT_EQ(ReadBoxNumber("- 3"), 0);   // no blank between sign and digits
    EXPECT_EQ(ReadBoxNumber("12 34"), 12);
    EXPECT_EQ(ReadBoxNumber("007"), 7);
    // A full-width digit is not a digit (its bytes are 0x82 0x52).
    EXPECT_EQ(ReadBoxNumber("\x82\x52"), 0);
}

TEST(ReadBoxNumber, SaturatesAtThe32BitLimits) {
    EXPECT_EQ(ReadBoxNumber("2147483647"), INT32_MAX);
    EXPECT_EQ(ReadBoxNumber("-2147483648"), INT32_MIN);
    EXPECT_EQ(ReadBoxNumber("2147483648"), INT32_MAX);
    EXPECT_EQ(ReadBoxNumber("-2147483649"), INT32_MIN);
    EXPECT_EQ(ReadBoxNumber("99999999999"), INT32_MAX);
    EXPECT_EQ(ReadBoxNumber("-99999999999"), INT32_MIN);
    EXPECT_EQ(ReadBoxNumber(std::string(120, '9').c_str()), INT32_MAX);
}

TEST(ReadBoxNumber, OnlyTheFirst127BytesCount) {
    // Blanks up to byte 124, then digits running on to byte 199: only "123" is inside.
    std::string text(124, ' ');
    text += "123";
    text += std::string(200 - text.size(), '4');
    ASSERT_EQ(text.size(), 200u);
    EXPECT_EQ(ReadBoxNumber(text.c_str()), 123);

    // A sign as byte 127 is outside: no digits.
    EXPECT_EQ(ReadBoxNumber((std::string(127, ' ') + "-5").c_str()), 0);

    // A zero byte ends the text before the limit.
    const char early[] = {'4', '2', '\0', '7', '\0'};
    EXPECT_EQ(ReadBoxNumber(early), 42);
}

TEST(NumberToText, WritesWhatReadBoxNumberReadsBack) {
    for (int32_t v : {0, 640, -40, INT32_MAX, INT32_MIN}) {
        EXPECT_EQ(ReadBoxNumber(NumberToText(v).c_str()), v);
    }
    EXPECT_EQ(NumberToText(-5), "-5");
}
