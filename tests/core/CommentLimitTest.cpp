// The comment box's byte limit. The characters are made the way the editor makes them from the
// box's text: each converted to code page 932 on its own (here with iconv), with no bytes for
// a character the code page lacks.
#include "dialogs/core/CommentLimit.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <ostream>
#include <string>

#include "core/Utf8Text.h"
#include "dialogs/core/StageValues.h"

namespace {

std::string ToCp932(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string();
    std::string in = utf8;
    char out[8];
    char* inPointer = &in[0];
    char* outPointer = out;
    size_t inLeft = in.size();
    size_t outLeft = sizeof out;
    const bool ok = iconv(cd, &inPointer, &inLeft, &outPointer, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    return ok ? std::string(out, sizeof out - outLeft) : std::string();
}

CommentCharacters Chars(const std::string& utf8) {
    CommentCharacters text;
    size_t at = 0;
    char32_t code = 0;
    while (at < utf8.size()) {
        const size_t start = at;
        if (!DecodeUtf8Character(utf8, at, code)) {
            ADD_FAILURE() << "test text is not UTF-8";
            break;
        }
        text.push_back({code, ToCp932(utf8.substr(start, at - start))});
    }
    return text;
}

std::string Repeat(const std::string& part, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += part;
    return text;
}

const std::string kKana = "\xE3\x81\x82";       // あ, two bytes in code page 932
const std::string kMissing = "\xF0\x9F\x98\x80";  // an emoji: code page 932 has none

}  // namespace

TEST(CommentLimit, BytesAreThoseCodePage932StoresWithQuestionMarksForMissingCharacters) {
    const CommentCharacters text = Chars("a" + kKana + kMissing + "\r\n");
    ASSERT_EQ(text.size(), 5u);
    EXPECT_TRUE(text[2].sjis.empty());
    EXPECT_EQ(CommentBytes(text), "a\x82\xa0?\r\n");
    EXPECT_EQ(CommentByteCount(text), 6u);
    EXPECT_EQ(CommentByteCount(Chars("")), 0u);
}

struct FitCase {
    const char* name;
    std::string before;
    std::string after;
    size_t head, inserted, kept;
};
void PrintTo(const FitCase& c, std::ostream* out) { *out << c.name; }

class CommentFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(CommentFit, KeepsTheLongestRunOfTheInsertedCharactersThatFits) {
    const FitCase& c = GetParam();
    const CommentChange change = FitCommentChange(Chars(c.before), Chars(c.after), kCommentBoxLimit);
    EXPECT_EQ(change.head, c.head);
    EXPECT_EQ(change.inserted, c.inserted);
    EXPECT_EQ(change.kept, c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    TypingAndPasting, CommentFit,
    ::testing::Values(
        // Anything that fits stays whole, wherever it goes.
        FitCase{"typed_at_the_end", "abc", "abcd", 3, 1, 1},
        FitCase{"pasted_in_the_middle", "ab", "a" + Repeat(kKana, 3) + "b", 1, 3, 3},
        FitCase{"selection_replaced", "a123b", "axb", 1, 1, 1},
        FitCase{"deleted", Repeat("a", 300), Repeat("a", 10), 10, 0, 0},
        // 254 bytes: one more byte fits, a two-byte character does not.
        FitCase{"ascii_into_254", Repeat("a", 254), Repeat("a", 254) + "b", 254, 1, 1},
        FitCase{"kana_into_254", Repeat("a", 254), Repeat("a", 254) + kKana, 254, 1, 0},
        // A character code page 932 lacks is the one byte of "?".
        FitCase{"missing_into_254", Repeat("a", 254), Repeat("a", 254) + kMissing, 254, 1, 1},
        FitCase{"missing_into_255", Repeat("a", 255), Repeat("a", 255) + kMissing, 255, 1, 0},
        // 150 kana pasted into an empty box: 127 of them are 254 bytes; the 128th would pass.
        FitCase{"kana_pasted", "", Repeat(kKana, 150), 0, 150, 127},
        // Pasted between 100 bytes and the 50 after them: 105 bytes are left, 52 kana.
        FitCase{"kana_pasted_between", Repeat("a", 150),
                Repeat("a", 100) + Repeat(kKana, 60) + Repeat("a", 50), 100, 60, 52},
        // One ASCII byte then kana: the run stops at the first character that does not fit,
        // even when a later one-byte character would.
        FitCase{"run_stops_at_first_misfit", Repeat("a", 253), Repeat("a", 253) + "b" + kKana + "c",
                253, 3, 1},
        // A comment of 256 bytes from a map file: nothing more goes in; deleting still works.
        FitCase{"over_from_a_file", Repeat(kKana, 128), Repeat(kKana, 128) + "a", 128, 1, 0},
        FitCase{"over_shrinks", Repeat(kKana, 128), Repeat(kKana, 127), 127, 0, 0}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });
