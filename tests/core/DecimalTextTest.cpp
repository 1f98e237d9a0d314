// The decimal scanner's readings beyond ScanDecimal's own fields.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/DecimalText.h"

TEST(ReadDecimalDigits, TakesExactlyTheCountOfDigitsAndNoSignOrBlank) {
    struct Case { const char* text; size_t count; int32_t value; };  // -1: refused
    for (const Case& c : {Case{"2026", 4, 2026}, Case{"09", 2, 9}, Case{"123", 2, 12}, Case{"99999999999", 11, INT32_MAX},
                          Case{"", 0, -1}, Case{"+5", 2, -1}, Case{"-5", 2, -1}, Case{" 5", 2, -1},
                          Case{"5 ", 2, -1}, Case{"1x", 2, -1}}) {
        int32_t value = -1;
        EXPECT_EQ(ReadDecimalDigits(c.text, c.count, value) ? value : -1, c.value) << '"' << c.text << '"';
    }
}
