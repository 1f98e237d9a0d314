#include <nlohmann/json.hpp>

#include <filesystem>
#include <functional>
#include <limits>

#include "MapLoading.h"
#include "ToolTestSupport.h"

namespace {

using namespace tool_test;
using Json = nlohmann::json;

// import(export(path)).
std::vector<uint8_t> ImportOfExport(const std::string& path) {
    ScratchFolder folder;
    const ToolRun exported = RunTool({"export", path, folder / "map.json"});
    EXPECT_EQ(exported.status, 0) << exported.err;
    const ToolRun imported = RunTool({"import", folder / "map.json", folder / "back.bin"});
    EXPECT_EQ(imported.status, 0) << imported.err;
    return ReadBytes(folder / "back.bin");
}

// Every cell of every layer holds a chip, many of them near 2^32 - 1.
MapDocument FullMap(int32_t cols, int32_t rows) {
    MapDocument doc = EmptyMap(cols, rows);
    for (size_t i = 0; i < doc.CellCount(); ++i) {
        const uint32_t high = std::numeric_limits<uint32_t>::max() - static_cast<uint32_t>(i);
        doc.layer2Ids[i] = i % 2 == 0 ? high : static_cast<uint32_t>(i + 1);
        doc.layer1Ids[i] = i % 3 == 0 ? high - 1 : 35;
        doc.layer0Ids[i] = i % 5 == 0 ? 100 : high;
    }
    return doc;
}

std::vector<std::string> AcceptedCorpusFiles() {
    std::vector<std::string> files;
    for (const char* corpus : {"fuzz/corpus/binary", "fuzz/corpus/text"}) {
        for (const auto& entry : std::filesystem::directory_iterator(SourcePath(corpus))) {
            if (LoadMapFile(entry.path().string()).ok) files.push_back(entry.path().string());
        }
    }
    return files;
}

// The documents whose files must come back byte for byte: every accepted corpus file as the
// writer saves it, and files the writer makes from unusual values.
std::vector<std::pair<std::string, MapDocument>> WrittenMaps() {
    std::vector<std::pair<std::string, MapDocument>> maps;
    for (const std::string& file : AcceptedCorpusFiles())
        maps.emplace_back(file, LoadMapFile(file).read.document);
    MapDocument big = FullMap(60, 60);
    big.startX = 640;
    big.startY = 480;
    big.targetTime = std::numeric_limits<int32_t>::min();
    big.timeLimit = std::numeric_limits<int32_t>::max();
    big.backgroundImage = -1;
    big.music = 999;
    for (int i = 0; i < 128; ++i)
        big.comment.insert(big.comment.end(), {0x82, 0xA0});  // 256 bytes of あ
    maps.emplace_back("60 x 60, all cells, 256-byte comment", big);

    MapDocument odd = FullMap(3, 2);
    odd.mapWidth = 130;  // remainders that hold no cell
    odd.mapHeight = 99;
    odd.startUnspecified = true;
    // Escapes typed as text, bytes that do not decode, NEC's duplicate of ≒, controls, and a
    // lead byte cut off at the end.
    odd.comment = Bytes("a\\x41\\\\ \x80\xFF\xA0\x87\x90\xB1\r\n\t\x01\x7F\"\x82");
    maps.emplace_back("odd size, unspecified start, undecodable comment", odd);

    MapDocument marked = FullMap(1, 1);
    marked.startX = 999;  // stored as it is, read back as not specified
    marked.startY = 5;
    maps.emplace_back("start stored as 999, 5", marked);

    MapDocument corner = EmptyMap(2, 1);
    corner.startX = 2400;  // only 2400 in both coordinates means not specified
    corner.startY = 7;
    maps.emplace_back("start 2400, 7", corner);
    return maps;
}

TEST(JsonForm, ImportOfExportGivesBackEveryFileTheWriterMakes) {
    const auto maps = WrittenMaps();
    ASSERT_GT(maps.size(), 8u);
    ScratchFolder folder;
    for (const auto& [name, doc] : maps) {
        SCOPED_TRACE(name);
        const std::vector<uint8_t> file = WriteBinaryMap(doc);
        ASSERT_FALSE(file.empty());
        WriteBytes(folder / "map.bin", file);
        EXPECT_EQ(ImportOfExport(folder / "map.bin"), file);
    }
}

// What the JSON leaves out is what the writer derives or drops, so any other accepted file
// comes back as convert writes it, but with a stored 999 start kept.
TEST(JsonForm, ImportOfExportOfAnyAcceptedFileIsWhatConvertWrites) {
    ScratchFolder folder;
    MapDocument doc = FullMap(2, 2);
    doc.comment = Bytes("abXcd");
    std::vector<uint8_t> damaged = WriteBinaryMap(doc);
    damaged[72 + 12 * 4 + 2] = 0;              // the editor's comment ends at a zero byte
    PutI32(damaged, 0, 7);                     // offset field
    PutI32(damaged, 36 + 12 * 4, 12345);       // reserved count
    damaged.insert(damaged.end(), {1, 2, 3});  // bytes after the comment
    WriteBytes(folder / "damaged.bin", damaged);
    std::vector<std::string> files = AcceptedCorpusFiles();  // a comment not read, 999 starts
    files.push_back(folder / "damaged.bin");
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        ASSERT_EQ(RunTool({"convert", file, folder / "converted.bin"}).status, 0);
        std::vector<uint8_t> expected = ReadBytes(folder / "converted.bin");
        const MapDocument read = LoadMapFile(file).read.document;
        if (read.startX == 999 || read.startY == 999) {
            PutI32(expected, 12 + 12 * read.CellCount(), read.startX);
            PutI32(expected, 16 + 12 * read.CellCount(), read.startY);
        }
        EXPECT_EQ(ImportOfExport(file), expected);
    }
}

// The layout scripts and diffs see: fixed key order, one map row to a line, null for a start
// that is not specified, and the comment decoded.
TEST(JsonForm, ExportOfATextMapIsTheDocumentedForm) {
    ScratchFolder folder;
    WriteText(folder / "map.txt", "90 80  5 6 7 8  0 0 0 0  1 2 4294967295 0  999 40");
    ASSERT_EQ(RunTool({"export", folder / "map.txt", folder / "map.json"}).status, 0);
    const std::vector<uint8_t> json = ReadBytes(folder / "map.json");
    EXPECT_EQ(
        std::string(json.begin(), json.end()),
        "{\n"
        "  \"width\": 90,\n"
        "  \"height\": 80,\n"
        "  \"start\": null,\n"
        "  \"unspecifiedStart\": {\"x\": 999, \"y\": 40},\n"
        "  \"targetTime\": 10,\n"
        "  \"timeLimit\": 300,\n"
        "  \"backgroundImage\": 0,\n"
        "  \"music\": 0,\n"
        "  \"comment\": \"\xE3\x83\x9D\xE3\x83\xAD\xE3\x83\x8B\xE3\x82\xAB\xE3\x81\xAF\xE3\x81\x8B"
        "\xE3\x82\x8F\xE3\x81\x84\xE3\x81\x84\",\n"  // ポロニカはかわいい
        "  \"layers\": {\n"
        "    \"0\": [\n"
        "      [1, 2],\n"
        "      [4294967295, 0]\n"
        "    ],\n"
        "    \"1\": [\n"
        "      [0, 0],\n"
        "      [0, 0]\n"
        "    ],\n"
        "    \"2\": [\n"
        "      [5, 6],\n"
        "      [7, 8]\n"
        "    ]\n"
        "  }\n"
        "}\n");
}

struct Refusal {
    const char* name;
    std::function<std::string(Json)> make;  // the bad JSON text, from the good one
    const char* message;                    // what follows "IN: refused: "
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

std::function<std::string(Json)> Edit(std::function<void(Json&)> change) {
    return [change](Json json) {
        change(json);
        return json.dump();
    };
}

std::string TooLongComment() {
    std::string comment;
    for (int i = 0; i < 129; ++i) comment += "\xE3\x81\x82";  // あ, two bytes in Shift_JIS
    return comment;
}

class ImportRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(ImportRefuses, NamingThePlaceAndWritingNothing) {
    ScratchFolder folder;
    MapDocument doc = FullMap(3, 2);  // 120 x 80
    doc.comment = Bytes("stage");
    WriteMap(folder / "good.bin", doc);
    ASSERT_EQ(RunTool({"export", folder / "good.bin", folder / "good.json"}).status, 0);
    const std::vector<uint8_t> good = ReadBytes(folder / "good.json");
    const std::string in = folder / "in.json";
    WriteText(in, GetParam().make(Json::parse(good.begin(), good.end())));
    // One existing output must stay byte for byte; elsewhere none may appear.
    const bool outExists = std::string(GetParam().name) == "wrongType";
    if (outExists) WriteBytes(folder / "out.bin", {1, 2, 3});

    const ToolRun run = RunTool({"import", in, folder / "out.bin"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind(in + ": refused: " + GetParam().message, 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    if (outExists) {
        EXPECT_EQ(ReadBytes(folder / "out.bin"), (std::vector<uint8_t>{1, 2, 3}));
    }
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "")) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, outExists ? 4u : 3u);  // good.bin, good.json, in.json: no temporary file
}

INSTANTIATE_TEST_SUITE_P(
    EachKindOfFault, ImportRefuses,
    ::testing::Values(
        Refusal{"notJson", [](Json) { return std::string("{\"width\": 120,"); },
                "byte 15: not valid JSON: "},
        Refusal{"numberBeyondDouble", [](Json) { return std::string("{\"width\": 1e400}"); },
                "not valid JSON: number overflow"},
        Refusal{"missingKey", Edit([](Json& j) { j.erase("timeLimit"); }),
                "/timeLimit: the map has no \"timeLimit\""},
        Refusal{"unknownKey", Edit([](Json& j) { j["layers"]["3"] = Json::array(); }),
                "/layers/3: unknown key"},
        Refusal{"wrongType", Edit([](Json& j) { j["music"] = "0"; }),
                "/music: music number must be an integer, not a string"},
        Refusal{"rowCount", Edit([](Json& j) { j["layers"]["1"].erase(1); }),
                "/layers/1: 1 row; a height of 80 gives 2"},
        Refusal{"rowLength", Edit([](Json& j) { j["layers"]["0"][1].push_back(0); }),
                "/layers/0/1: 4 chip ids; a width of 120 gives 3"},
        Refusal{"chipAbove32Bits", Edit([](Json& j) { j["layers"]["2"][1][2] = 4294967296ull; }),
                "/layers/2/1/2: chip id 4294967296 does not fit 32 bits"},
        Refusal{"negativeChip", Edit([](Json& j) { j["layers"]["2"][0][0] = -1; }),
                "/layers/2/0/0: chip id -1 is negative"},
        Refusal{"widthBeyondInt32", Edit([](Json& j) { j["width"] = 2147483648ll; }),
                "/width: width 2147483648 does not fit signed 32 bits"},
        Refusal{"sizeRefused", Edit([](Json& j) { j["height"] = 39; }),
                "/height: map size 120 x 39 gives 0 cells; 1 to 1000000 are accepted"},
        Refusal{"startReadAsUnspecified", Edit([](Json& j) { j["start"]["x"] = 999; }),
                "/start: 999, 240 reads as not specified"},
        Refusal{"commentOutsideShiftJis", Edit([](Json& j) { j["comment"] = "ok \xE2\x98\x83"; }),
                "/comment: character 4 (U+2603) has no Shift_JIS code"},
        Refusal{"commentOver256Bytes", Edit([](Json& j) { j["comment"] = TooLongComment(); }),
                "/comment: the comment is 258 bytes in Shift_JIS; at most 256 fit"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

}  // namespace
