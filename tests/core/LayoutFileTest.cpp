// The file that keeps the small windows' places between runs, which is never trusted.
#include "core/LayoutFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kGoodLayout =
    "picoran-editor layout 1\r\nsmall-palette 780 100 1\r\nlarge-palette -1500 400 0\r\noverview 100 681 1\r\n";

// The file read and written again: what the program makes of it.
std::string LayoutRewritten(const std::string& text) {
    const std::vector<std::string> names{"small-palette", "large-palette", "overview", "terrain"};
    const std::vector<uint8_t> bytes =
        LayoutFileBytes(LayoutFromFileBytes(std::vector<uint8_t>(text.begin(), text.end()), names));
    return std::string(bytes.begin(), bytes.end());
}

std::string LayoutReplaced(const std::string& from, const std::string& to) {
    std::string text = kGoodLayout;
    return text.replace(text.find(from), from.size(), to);
}

class DamagedLayout : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST(LayoutFile, HoldsEachWindowsPlaceAndReadsBackTheSame) {
    EXPECT_EQ(LayoutRewritten(kGoodLayout), kGoodLayout);
    // Saved again by hand in an editor: a byte-order mark and plain line feeds.
    EXPECT_EQ(LayoutRewritten("\xEF\xBB\xBFpicoran-editor layout 1\nterrain -100000 100000 0\n"),
              "picoran-editor layout 1\r\nterrain -100000 100000 0\r\n");
}

TEST_P(DamagedLayout, IsNoLayout) { EXPECT_EQ(LayoutRewritten(GetParam()), "picoran-editor layout 1\r\n"); }

INSTANTIATE_TEST_SUITE_P(
    EachKindOfDamage, DamagedLayout,
    ::testing::Values(std::string("\x89PNG\r\n\x1a\n"),                 // another first line
                      kGoodLayout.substr(0, kGoodLayout.size() - 1),  // cut short
                      LayoutReplaced("overview", "layers"),           // a window this program lacks
                      LayoutReplaced("large-palette", "small-palette"),
                      LayoutReplaced("681", "99999999999"),
                      LayoutReplaced("400", "4OO"),
                      LayoutReplaced("681 1", "681 2"),
                      LayoutReplaced("681 1", "681 1 1"),
                      kGoodLayout + std::string(kLayoutMaxFileBytes, '\n')));
