// The recent-files list: its order, its limit, one entry per file as Windows names files, and
// the file that keeps it, which is never trusted.
#include "core/RecentFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/WindowsPathCase.h"

namespace {

using Paths = std::vector<std::string>;

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

RecentFiles ListOf(const Paths& oldestFirst) {
    RecentFiles list;
    for (const std::string& path : oldestFirst) list.Add(path);
    return list;
}

const char kHeader[] = "picoran-editor recent files 1\r\n";
// C:\マップ\ステージ１.bin (the digit is fullwidth)
const std::string kJapanesePath =
    "C:\\\xE3\x83\x9E\xE3\x83\x83\xE3\x83\x97\\\xE3\x82\xB9\xE3\x83\x86\xE3\x83\xBC\xE3\x82\xB8"
    "\xEF\xBC\x91.bin";

}  // namespace

TEST(RecentFiles, NewestFirstAndAnOpenedFileMovesToTheFront) {
    RecentFiles list = ListOf({"C:\\a.bin", "C:\\b.bin", "C:\\c.bin"});
    EXPECT_EQ(list.Paths(), (Paths{"C:\\c.bin", "C:\\b.bin", "C:\\a.bin"}));
    list.Add("C:\\a.bin");
    EXPECT_EQ(list.Paths(), (Paths{"C:\\a.bin", "C:\\c.bin", "C:\\b.bin"}));
}

TEST(RecentFiles, KeepsTheEightNewest) {
    RecentFiles list;
    for (int i = 1; i <= 10; ++i) list.Add("C:\\maps\\" + std::to_string(i) + ".bin");
    ASSERT_EQ(list.Paths().size(), kRecentFilesLimit);
    EXPECT_EQ(list.Paths().front(), "C:\\maps\\10.bin");
    EXPECT_EQ(list.Paths().back(), "C:\\maps\\3.bin");
}

// Windows names one file by all of these spellings; the newest spelling is the one listed.
TEST(RecentFiles, OneEntryPerFileAsWindowsComparesNames) {
    RecentFiles list = ListOf({"C:\\Maps\\Stage.BIN", "C:\\b.bin", "c:/maps/stage.bin"});
    EXPECT_EQ(list.Paths(), (Paths{"c:/maps/stage.bin", "C:\\b.bin"}));

    // Letters outside ASCII have case too (Ä ä, Ж ж, fullwidth Ａ ａ); kana and kanji do not.
    list = ListOf({"C:\\\xC3\x84\xD0\x96\xEF\xBC\xA1.bin", kJapanesePath,
                   "c:\\\xC3\xA4\xD0\xB6\xEF\xBD\x81.bin"});
    EXPECT_EQ(list.Paths(), (Paths{"c:\\\xC3\xA4\xD0\xB6\xEF\xBD\x81.bin", kJapanesePath}));

    EXPECT_TRUE(list.Remove("C:\\\xC3\x84\xD0\x96\xEF\xBC\xA1.BIN"));
    EXPECT_FALSE(list.Remove("C:\\\xC3\x84\xD0\x96\xEF\xBC\xA1.BIN"));
    EXPECT_EQ(list.Paths(), (Paths{kJapanesePath}));
}

TEST(RecentFiles, PathsThatNoLineCanHoldAreNotTaken) {
    RecentFiles list;
    for (const std::string& path : {std::string(), std::string("C:\\a\r\nb.bin"),
                                    std::string("C:\\\xFF.bin"), std::string("C:\\a\0b", 6)})
        list.Add(path);
    EXPECT_TRUE(list.Paths().empty());
}

TEST(RecentFiles, FileHoldsTheListAndReadsBackTheSame) {
    const RecentFiles list = ListOf({"C:\\a.bin", kJapanesePath});
    const std::vector<uint8_t> bytes = list.FileBytes();
    EXPECT_EQ(bytes, Bytes(std::string(kHeader) + kJapanesePath + "\r\nC:\\a.bin\r\n"));
    EXPECT_EQ(RecentFiles::FromFileBytes(bytes).Paths(), list.Paths());
    EXPECT_EQ(RecentFiles::FromFileBytes(RecentFiles().FileBytes()).Paths(), Paths{});

    // Saved again by hand in an editor: a byte-order mark and plain line feeds.
    const std::string edited = "\xEF\xBB\xBFpicoran-editor recent files 1\nC:\\x.bin\nc:\\X.BIN\n";
    EXPECT_EQ(RecentFiles::FromFileBytes(Bytes(edited)).Paths(), (Paths{"C:\\x.bin"}));
}

TEST(RecentFiles, DamagedOrMissingFileIsAnEmptyList) {
    const std::string nine = [] {
        std::string text = kHeader;
        for (int i = 1; i <= 9; ++i) text += "C:\\" + std::to_string(i) + ".bin\r\n";
        return text;
    }();
    for (const std::string& damaged : {
             std::string(),                                          // missing or empty
             std::string("C:\\a.bin\r\n"),                           // no header
             std::string("picoran-editor recent files 2\r\nC:\\a.bin\r\n"),  // another version
             std::string(kHeader) + "C:\\a.bin",                     // cut short
             std::string(kHeader) + "C:\\a.bin\r\n\r\n",             // an empty line
             std::string(kHeader) + "C:\\\xE3\x83\r\n",              // not UTF-8
             std::string(kHeader) + std::string("C:\\a\0.bin\r\n", 11),  // a zero byte
             nine,                                                   // more than eight
         }) {
        EXPECT_TRUE(RecentFiles::FromFileBytes(Bytes(damaged)).Paths().empty()) << damaged;
    }
    std::string large = std::string(kHeader) + "C:\\" + std::string(kRecentFilesMaxFileBytes, 'a') + "\r\n";
    EXPECT_TRUE(RecentFiles::FromFileBytes(Bytes(large)).Paths().empty());
}

TEST(WindowsPathCase, UpcasesLettersOfEveryCasedScriptAndNothingElse) {
    const std::pair<char32_t, char32_t> pairs[] = {
        {U'a', U'A'},       {U'z', U'Z'},       {0x00E9, 0x00C9},  // é
        {0x00FF, 0x0178},   {0x0101, 0x0100},   {0x013A, 0x0139},  // ÿ ā ĺ
        {0x017E, 0x017D},   {0x03B1, 0x0391},   {0x03C2, 0x03A3},  // ž α ς
        {0x03CD, 0x038E},   {0x0436, 0x0416},   {0x0451, 0x0401},  // ύ ж ё
        {0x04C2, 0x04C1},   {0x0561, 0x0531},   {0x1E9F, 0x1E9F},  // ӂ ա, ẟ has none
        {0x1EA1, 0x1EA0},   {0xFF41, 0xFF21},                      // ạ ａ
        {U'A', U'A'},       {0x00F7, 0x00F7},   {0x3042, 0x3042},  // A ÷ あ
        {0x30A2, 0x30A2},   {0x6F22, 0x6F22},   {0x0100, 0x0100},  // ア 漢 Ā
    };
    for (const auto& [lower, upper] : pairs)
        EXPECT_EQ(UpcaseLikeWindows(lower), upper) << std::hex << static_cast<uint32_t>(lower);
    EXPECT_TRUE(SameWindowsPath("C:/Maps/A.bin", "c:\\maps\\a.BIN"));
    EXPECT_FALSE(SameWindowsPath("C:\\maps\\a.bin", "C:\\maps\\b.bin"));
    EXPECT_FALSE(SameWindowsPath("C:\\a\xFF", "C:\\A\xFF"));  // not UTF-8: only itself
}
