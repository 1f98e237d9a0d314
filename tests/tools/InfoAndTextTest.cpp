#include <cstdlib>

#include "CommentText.h"
#include "EditorPalettes.h"
#include "ToolTestSupport.h"

namespace {

using namespace tool_test;

TEST(CommentText, DecodesShiftJisAndEscapesTheRest) {
    // ポロニカはかわいい
    EXPECT_EQ(EscapedComment(Bytes("\x83\x7c\x83\x8d\x83\x6a\x83\x4a\x82\xcd\x82\xa9\x82\xed\x82\xa2\x82\xa2"), false),
              "\xE3\x83\x9D\xE3\x83\xAD\xE3\x83\x8B\xE3\x82\xAB\xE3\x81\xAF\xE3\x81\x8B\xE3\x82\x8F\xE3\x81\x84\xE3\x81\x84");
    EXPECT_EQ(EscapedComment(Bytes("a\\b\"c\r\n\t\x01\x7f"), true), "\"a\\\\b\\\"c\\r\\n\\t\\x01\\x7F\"");
    EXPECT_EQ(EscapedComment(Bytes("\"x\""), false), "\"x\"");
    EXPECT_EQ(EscapedComment(Bytes("\xB1"), false), "\xEF\xBD\xB1");  // half-width ｱ
    // Bytes code page 932 does not map, and a lead byte cut off at the end.
    EXPECT_EQ(EscapedComment(Bytes("\x80" "a" "\xFF" "\x82"), false), "\\x80a\\xFF\\x82");
    EXPECT_EQ(EscapedComment({}, true), "\"\"");
}

TEST(CommentText, DifferentCommentsNeverLookAlike) {
    // NEC's and the standard code of the same symbol (≒): only the standard one is text.
    const std::string standard = EscapedComment(Bytes("\x81\xe0"), false);
    const std::string nec = EscapedComment(Bytes("\x87\x90"), false);
    EXPECT_EQ(standard, "\xE2\x89\x92");
    EXPECT_NE(nec, standard);
    // An escape typed as text stays apart from the byte it looks like.
    EXPECT_NE(EscapedComment(Bytes("\\x80"), false), EscapedComment(Bytes("\x80"), false));
}

TEST(CommentText, LinesAreCutAtEveryKindOfLineBreak) {
    EXPECT_EQ(CommentLines(Bytes("one\r\ntwo\nthree\rfour")),
              (std::vector<std::string>{"one", "two", "three", "four"}));
    EXPECT_EQ(CommentLines(Bytes("a\r\n\r\nb\r\n")), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(CommentLines({}).empty());
}

TEST(EditorPalettes, KnowWhichChipsThePalettesHold) {
    const EditorPalettes palettes;
    EXPECT_TRUE(palettes.Holds(1, 2));    // code 1002, the palette's first cell
    EXPECT_FALSE(palettes.Holds(0, 1002));
    EXPECT_FALSE(palettes.Holds(2, 2));   // code 2002 is in no palette
    EXPECT_TRUE(palettes.Holds(1, 0));    // code 1000, an empty palette cell
}

TEST(InfoCommand, ShowsValuesCommentAndChipCounts) {
    ScratchFolder folder;
    MapDocument doc = EmptyMap(3, 1);
    doc.mapHeight = 50;
    doc.startUnspecified = true;
    doc.layer2Ids = {1, 1, 2};
    doc.layer0Ids = {100, 0, 100};
    doc.backgroundImage = 4;
    doc.comment = Bytes("\x83\x52\x83\x81\x83\x93\x83\x67\r\nline 2");  // コメント
    WriteMap(folder / "m.bin", doc);
    const ToolRun run = RunTool({"info", folder / "m.bin"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "file: " + folder / "m.bin" + "\n"
                       "format: map data file\n"
                       "size: 120 x 50 pixels, 3 x 1 cells\n"
                       "start position: not specified (2400, 2400)\n"
                       "target time: 10\n"
                       "time limit: 300\n"
                       "background image number: 4\n"
                       "music number: 0\n"
                       "comment: 16 bytes\n"
                       "  \xE3\x82\xB3\xE3\x83\xA1\xE3\x83\xB3\xE3\x83\x88\n"
                       "  line 2\n"
                       "layer 2 (large chips):\n"
                       "  chip 1: 2 cells\n"
                       "  chip 2: 1 cell (in no palette)\n"
                       "layer 1 (small chips):\n"
                       "  chip 0: 3 cells (empty)\n"
                       "layer 0 (small chips):\n"
                       "  chip 0: 1 cell (empty)\n"
                       "  chip 100: 2 cells\n");
    EXPECT_EQ(RunTool({"info", folder / "none.bin"}).status, 2);
}

// The built program itself: arguments reach the commands and exit statuses reach the shell.
TEST(PicoranMapProgram, RunsAsACommand) {
    ScratchFolder folder;
    WriteMap(folder / "ok.bin", EmptyMap(16, 12));
    WriteBytes(folder / "bad.bin", {1, 2});
    const std::string exe = PICORAN_MAP_EXE;
    auto status = [](const std::string& command) {
        const int raw = std::system((command + " >/dev/null 2>&1").c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(status(exe + " --help"), 0);
    EXPECT_EQ(status(exe + " check " + folder / "ok.bin"), 0);
    EXPECT_EQ(status(exe + " check " + folder / "ok.bin " + folder / "bad.bin"), 1);
    EXPECT_EQ(status(exe + " dump " + folder / "bad.bin"), 2);
    EXPECT_EQ(status(exe + " frobnicate"), 2);
}

}  // namespace
