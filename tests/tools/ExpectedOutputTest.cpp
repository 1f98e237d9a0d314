// The outputs that both builds of the tool are held to: tests/tools/expected/ holds what the
// native tool prints and writes for a few corpus files, and the Windows build's tool-win tests
// compare picoran-map.exe against the same files, so the two agree byte for byte. After a
// deliberate change, tests/tools/expected/update.sh rewrites them.
#include <cstdlib>
#include <filesystem>

#include "PngTestSupport.h"
#include "ToolTestSupport.h"

namespace {

using namespace tool_test;

constexpr char kUpdateHint[] = "if the change is deliberate, run tests/tools/expected/update.sh";

std::string Expected(const std::string& name) {
    const std::vector<uint8_t> bytes = ReadBytes(SourcePath("tests/tools/expected/" + name));
    return std::string(bytes.begin(), bytes.end());
}

// check names each file as it was given; the expected lines name them from the repository.
std::string FromRepository(std::string text) {
    const std::string root = SourcePath("");
    for (size_t at; (at = text.find(root)) != std::string::npos;) text.erase(at, root.size());
    return text;
}

TEST(ExpectedOutput, CheckAndDumpOfCorpusFilesMatch) {
    const struct {
        const char* command;
        const char* file;
        int status;
        const char* expected;
    } cases[] = {
        {"check", "fuzz/corpus/binary/chips-2x2.bin", 0, "check-chips-2x2.txt"},
        {"check", "fuzz/corpus/binary/truncated-layer1.bin", 1, "check-truncated-layer1.txt"},
        {"dump", "fuzz/corpus/binary/chips-2x2.bin", 0, "chips-2x2.dump"},
        {"dump", "fuzz/corpus/binary/comment-256.bin", 0, "comment-256.dump"},  // every byte value
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool({c.command, SourcePath(c.file)});
        EXPECT_EQ(run.status, c.status) << c.command << " " << c.file << ": " << run.err;
        EXPECT_EQ(FromRepository(run.out), Expected(c.expected)) << c.expected << ": " << kUpdateHint;
    }
}

TEST(ExpectedOutput, ConvertedTextMapAndRenderedPictureMatch) {
    ScratchFolder folder;
    ASSERT_EQ(RunTool({"convert", SourcePath("fuzz/corpus/text/example-2x1.txt"), folder / "c.bin"}).status, 0);
    const ToolRun dump = RunTool({"dump", folder / "c.bin"});
    EXPECT_EQ(dump.out, Expected("example-2x1-converted.dump")) << kUpdateHint;

    const ToolRun render = RunTool({"render", SourcePath("fuzz/corpus/binary/chips-2x2.bin"), folder / "c.png"});
    ASSERT_EQ(render.status, 0) << render.err;
    const std::vector<uint8_t> png = ReadBytes(folder / "c.png");
    ASSERT_NO_FATAL_FAILURE(ExpectRgbPngHeader(png, 80, 80));
    EXPECT_TRUE(png == ReadBytes(SourcePath("tests/tools/expected/chips-2x2.png"))) << kUpdateHint;
}

// A copied tool takes the pictures in res/ beside itself before the source tree's.
TEST(PicoranMapProgram, TakesPicturesBesideItself) {
    namespace fs = std::filesystem;
    ScratchFolder folder;
    fs::create_directories(folder / "bin/res");
    const std::string exe = folder / "bin/picoran-map";
    fs::copy_file(PICORAN_MAP_EXE, exe);
    fs::permissions(exe, fs::perms::owner_all);
    fs::copy_file(SourcePath("res/small_sheet.bmp"), folder / "bin/res/small_sheet.bmp");
    fs::copy_file(SourcePath("res/large_sheet.bmp"), folder / "bin/res/large_sheet.bmp");
    fs::copy_file(SourcePath("res/small_sheet.bmp"), folder / "bin/res/backdrop.bmp");  // not the usual one
    WriteMap(folder / "map.bin", EmptyMap(16, 12));

    ASSERT_EQ(std::system((exe + " render " + folder / "map.bin " + folder / "beside.png >/dev/null").c_str()), 0);
    ASSERT_EQ(RunTool({"render", "--sheets", folder / "bin/res", folder / "map.bin", folder / "named.png"}).status, 0);
    ASSERT_EQ(RunTool({"render", folder / "map.bin", folder / "source.png"}).status, 0);
    EXPECT_TRUE(ReadBytes(folder / "beside.png") == ReadBytes(folder / "named.png"));
    EXPECT_FALSE(ReadBytes(folder / "beside.png") == ReadBytes(folder / "source.png"));
}

}  // namespace
