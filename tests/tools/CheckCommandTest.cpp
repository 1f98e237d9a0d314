#include <algorithm>
#include <filesystem>

#include "ToolTestSupport.h"
#include "map/core/MapFileReader.h"

namespace {

using namespace tool_test;

// What check must print last for a file: exactly what the editor's reader decides.
std::string ExpectedVerdict(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    const MapReadResult read =
        IsTextMapPath(path.c_str())
            ? ReadTextMap(reinterpret_cast<const char*>(bytes.data()), bytes.size(), nullptr)
            : ReadBinaryMap(bytes.data(), bytes.size());
    if (read.ok) return path + ": ok";
    return path + ": refused: " + MapReadErrorPlace(read.error) + ": " + read.error.description;
}

// check over all the files at once; each file's verdict is its last line.
void ExpectAgreesWithReaders(const std::vector<std::string>& files) {
    ASSERT_FALSE(files.empty());
    std::vector<std::string> args{"check"};
    args.insert(args.end(), files.begin(), files.end());
    const ToolRun run = RunTool(args);
    bool anyRefused = false;
    const std::vector<std::string> lines = Lines(run.out);
    for (const std::string& file : files) {
        const std::string expected = ExpectedVerdict(file);
        anyRefused = anyRefused || expected.find(": refused: ") != std::string::npos;
        std::string verdict;
        for (const std::string& line : lines) {
            if (line.rfind(file + ": ", 0) == 0 && line.find(": warning: ", file.size()) != file.size())
                verdict = line;
        }
        EXPECT_EQ(verdict, expected);
    }
    EXPECT_EQ(run.status, anyRefused ? 1 : 0);
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(CheckCommand, AgreesWithTheReadersOnTheFuzzCorpus) {
    ExpectAgreesWithReaders(FilesIn(SourcePath("fuzz/corpus/binary")));
    ExpectAgreesWithReaders(FilesIn(SourcePath("fuzz/corpus/text")));
}

// A map with chips, a comment and stage values, written by the editor's writer, then damaged
// in every way the reader refuses or tolerates.
TEST(CheckCommand, AgreesWithTheReadersOnDamagedFiles) {
    ScratchFolder folder;
    MapDocument doc = EmptyMap(3, 2);
    doc.layer2Ids[0] = 1;
    doc.layer1Ids[4] = 2;
    doc.layer0Ids[5] = 100;
    doc.comment = {'s', 't', 'a', 'g', 'e'};
    const std::vector<uint8_t> good = WriteBinaryMap(doc);
    std::vector<std::string> files;
    auto add = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
        files.push_back(folder / name);
        WriteBytes(files.back(), bytes);
    };
    add("good.bin", good);
    for (size_t length = 0; length < good.size(); ++length)
        add("cut-" + std::to_string(length) + ".bin", std::vector<uint8_t>(good.begin(), good.begin() + length));
    const size_t lengthAt = 68 + 12 * 6;
    const struct {
        const char* name;
        size_t at;
        int32_t value;
    } patches[] = {{"width-zero", 4, 0},         {"height-negative", 8, -480},
                   {"width-39", 4, 39},          {"too-many-cells", 4, 40 * 1000001},
                   {"comment-negative", lengthAt, -5}, {"comment-too-long", lengthAt, 6},
                   {"comment-257", lengthAt, 257},     {"offset-field-wrong", 0, 7}};
    for (const auto& patch : patches) {
        std::vector<uint8_t> bytes = good;
        PutI32(bytes, patch.at, patch.value);
        add(std::string(patch.name) + ".bin", bytes);
    }
    std::vector<uint8_t> trailing = good;
    trailing.push_back(0xAA);
    add("trailing.bin", trailing);
    const char* texts[][2] = {{"size-zero.txt", "0 480"},          {"negative.TXT", "-40 40 1"},
                              {"too-many.txt", "40000 40040"},      {"height-late.txt", "\n\n80 0\n"},
                              {"letters.txt", "abc"},               {"short.txt", "80 40 5"},
                              {"binary-named.txt.bin", "80 40 5 6 0 0 1 2 0 0"}};
    for (const auto& text : texts) {
        files.push_back(folder / text[0]);
        WriteText(files.back(), text[1]);
    }
    files.push_back(folder / "does-not-exist.bin");
    ExpectAgreesWithReaders(std::vector<std::string>(files.begin(), files.end() - 1));

    // A file that cannot be read is refused too, with the system's reason.
    const ToolRun run = RunTool({"check", files.back()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, files.back() + ": refused: cannot read: No such file or directory\n");
}

TEST(CheckCommand, RefusalsNameWhereTheEditorStopped) {
    ScratchFolder folder;
    std::vector<uint8_t> bytes = WriteBinaryMap(EmptyMap(1, 1));
    bytes.resize(30);
    WriteBytes(folder / "cut.bin", bytes);
    WriteText(folder / "late.txt", "\n\n80 0\n");
    const ToolRun run = RunTool({"check", folder / "cut.bin", folder / "late.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("cut.bin: refused: offset 28: "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("late.txt: refused: line 3, offset 5: "), std::string::npos) << run.out;
}

TEST(CheckCommand, WarnsAboutWhatTheEditorAcceptsQuietly) {
    ScratchFolder folder;
    MapDocument doc = EmptyMap(2, 2);
    doc.mapWidth = 95;                // 2 cells and 15 pixels
    doc.startX = 641;                 // beyond the dialog's 0..640
    doc.startY = 10;
    doc.music = 1000;                 // beyond the dialog's 0..999
    doc.layer2Ids = {2081, 0, 0, 81};   // 2081 is no chip id; 81 is in the large palette
    doc.layer1Ids = {0, 3, 3, 0};       // 3 is a layer-0 chip, not a layer-1 one
    doc.layer0Ids = {3, 0, 0, 0};
    std::vector<uint8_t> bytes = WriteBinaryMap(doc);
    PutI32(bytes, 0, 0);              // offset field the editor never reads
    bytes.push_back(1);               // a byte after the comment
    WriteBytes(folder / "odd.bin", bytes);

    const std::string name = folder / "odd.bin";
    const std::vector<std::string> expected = {
        name + ": warning: width 95 is not a multiple of 40: the 15 pixels past the last whole cell hold no cell",
        name + ": warning: start position 641, 10 is outside the 0..640 x 0..480 that the start-position dialog allows",
        name + ": warning: music number 1000 is outside the 0..999 that the other-settings dialog allows",
        name + ": warning: offset field holds 0, not 12 N + 68 = 116 (the editor does not read it)",
        name + ": warning: 1 byte after the comment is not read by the editor",
        name + ": warning: layer 2: chip 2081 is in no palette; its 1 cell shows the sheet's top-left chip (first at column 0, row 0)",
        name + ": warning: layer 1: chip 3 is in no palette; its 2 cells show the sheet's top-left chip (first at column 1, row 0)",
        name + ": ok"};
    const ToolRun run = RunTool({"check", name});
    EXPECT_EQ(Lines(run.out), expected);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(RunTool({"check", "--strict", name}).status, 1);
}

TEST(CheckCommand, UnspecifiedStartIsNotOutOfBounds) {
    ScratchFolder folder;
    MapDocument doc = EmptyMap(16, 12);
    doc.startUnspecified = true;  // stored as 2400, 2400
    WriteMap(folder / "new.bin", doc);
    doc.startUnspecified = false;
    doc.startX = 999;             // also "not specified"
    doc.startY = 5000;
    WriteMap(folder / "marker.bin", doc);

    for (const std::string name : {"new.bin", "marker.bin"}) {
        const ToolRun clean = RunTool({"check", "--strict", folder / name});
        EXPECT_EQ(clean.status, 0);
        EXPECT_EQ(clean.out, folder / name + ": ok\n");
    }
}

TEST(CheckCommand, RefusesATextMapThatEndsEarlyOrHoldsOtherText) {
    ScratchFolder folder;
    WriteText(folder / "whole.txt", "80 40 1 3 2 4 1 2 0 0");  // chips the palettes hold
    WriteText(folder / "stops.txt", "80 40\n1 3\nx 4\n");
    WriteText(folder / "ends.txt", "80 40\n1 3 2 4\n");
    EXPECT_EQ(RunTool({"check", "--strict", folder / "whole.txt"}).status, 0);
    const ToolRun run = RunTool({"check", folder / "stops.txt", folder / "ends.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Lines(run.out),
              (std::vector<std::string>{
                  folder / "stops.txt" + ": refused: line 3, offset 10: \"x\" where the layer 1 "
                                         "chip id of cell 0 belongs is not a number",
                  folder / "ends.txt" + ": refused: line 3, offset 14: file of 14 bytes ends "
                                        "before the layer 0 chip id of cell 0"}));
}

TEST(CheckCommand, UsageErrorsExitWithTwo) {
    EXPECT_EQ(RunTool({"check"}).status, 2);
    EXPECT_EQ(RunTool({"check", "--strikt", "a.bin"}).status, 2);
    EXPECT_EQ(RunTool({"chek", "a.bin"}).status, 2);
    EXPECT_EQ(RunTool({}).status, 2);
    const ToolRun help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("exit status:"), std::string::npos);
    EXPECT_EQ(help.out.find(PICORAN_SOURCE_DIR), std::string::npos) << "the help names the build's folder";
}

}  // namespace
