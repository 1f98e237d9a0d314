#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <functional>

#include "map/core/BlockJson.h"

namespace {

using Json = nlohmann::json;

CellBlock TwoByThree() {
    CellBlock block;
    block.columns = 3;
    block.rows = 2;
    block.layers = {std::vector<uint32_t>{1, 0, 2, 0, 3, 4294967295u}, std::vector<uint32_t>(6, 0),
                    std::vector<uint32_t>{35, 0, 0, 0, 0, 36}};
    return block;
}

TEST(BlockJson, IsTheMapExportsShapeOneRowToALine) {
    EXPECT_EQ(BlockToJson(TwoByThree()),
              "{\n"
              "  \"columns\": 3,\n"
              "  \"rows\": 2,\n"
              "  \"layers\": {\n"
              "    \"0\": [\n"
              "      [1, 0, 2],\n"
              "      [0, 3, 4294967295]\n"
              "    ],\n"
              "    \"1\": [\n"
              "      [0, 0, 0],\n"
              "      [0, 0, 0]\n"
              "    ],\n"
              "    \"2\": [\n"
              "      [35, 0, 0],\n"
              "      [0, 0, 36]\n"
              "    ]\n"
              "  }\n"
              "}\n");
    EXPECT_EQ(BlockToJson(CellBlock{}), "");
}

TEST(BlockJson, ReadsBackWhatItWritesAndAnyLayout) {
    CellBlock wide;
    wide.columns = 60;
    wide.rows = 60;
    for (int layer = 0; layer < 3; ++layer) {
        for (uint32_t i = 0; i < 3600; ++i) wide.layers[layer].push_back(i * 7919u * (layer + 1));
    }
    for (const CellBlock& block : {TwoByThree(), wide}) {
        CellBlock read;
        std::string error;
        ASSERT_TRUE(BlockFromJson(BlockToJson(block), read, error)) << error;
        EXPECT_EQ(read, block);
    }
    CellBlock read;
    std::string error;
    ASSERT_TRUE(BlockFromJson(
        R"({"layers":{"2":[[7]],"1":[[8]],"0":[[9]]},"rows":1,"columns":1})", read, error))
        << error;
    EXPECT_EQ(read.layers[0], std::vector<uint32_t>{9});
    EXPECT_EQ(read.layers[2], std::vector<uint32_t>{7});
}

// A text of exactly the longest length is still read.
TEST(BlockJson, ReadsATextOfTheLongestLength) {
    std::string text = BlockToJson(TwoByThree());
    text.resize(kMaxBlockTextBytes, ' ');
    CellBlock read;
    std::string error;
    EXPECT_TRUE(BlockFromJson(text, read, error)) << error;
    EXPECT_EQ(read, TwoByThree());
}

struct Refusal {
    const char* name;
    std::function<std::string(Json)> make;  // the bad text, from the good block's JSON
    const char* message;                    // how the error starts
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

std::function<std::string(Json)> Edit(std::function<void(Json&)> change) {
    return [change](Json json) {
        change(json);
        return json.dump();
    };
}

std::function<std::string(Json)> Text(const char* text) {
    return [text](Json) { return std::string(text); };
}

class BlockRefused : public ::testing::TestWithParam<Refusal> {};

TEST_P(BlockRefused, WithAMessageAndTheBlockUntouched) {
    const CellBlock before = TwoByThree();
    CellBlock block = before;
    std::string error;
    EXPECT_FALSE(BlockFromJson(GetParam().make(Json::parse(BlockToJson(before))), block, error));
    EXPECT_EQ(error.rfind(GetParam().message, 0), 0u) << error;
    EXPECT_EQ(block, before);
}

INSTANTIATE_TEST_SUITE_P(
    EachKindOfFault, BlockRefused,
    ::testing::Values(
        Refusal{"empty", Text(""), "byte 1: not valid JSON: "},
        Refusal{"validButLongerThanTheCap",
                [](Json json) {
                    std::string text = json.dump();
                    return text + std::string(kMaxBlockTextBytes + 1 - text.size(), ' ');
                },
                "the text has 16777217 bytes; a block is read from at most 16777216"},
        Refusal{"plainText", Text("hello, editor"), "byte 1: not valid JSON: "},
        Refusal{"cutShort", Text("{\"columns\": 3,"), "byte 15: not valid JSON: "},
        Refusal{"invalidUtf8", Text("{\"columns\": \"\xFF\"}"), "byte 14: not valid JSON: "},
        Refusal{"numberBeyondDouble", Text("{\"columns\": 1e400}"), "not valid JSON: number overflow"},
        Refusal{"deeplyNested", [](Json) { return std::string(100000, '[') + std::string(100000, ']'); },
                "\"\": a block must be an object, not an array"},
        Refusal{"notAnObject", Text("[1, 2, 3]"), "\"\": a block must be an object, not an array"},
        Refusal{"aWholeMap", Text(R"({"width": 120, "height": 80})"), "/height: unknown key"},
        Refusal{"missingRows", Edit([](Json& j) { j.erase("rows"); }), "/rows: a block has no \"rows\""},
        Refusal{"columnsAsText", Edit([](Json& j) { j["columns"] = "3"; }),
                "/columns: columns must be an integer, not a string"},
        Refusal{"columnsFraction", Edit([](Json& j) { j["columns"] = 2.5; }),
                "/columns: columns must be an integer, not 2.5"},
        Refusal{"negativeRows", Edit([](Json& j) { j["rows"] = -2; }), "/rows: rows -2 is negative"},
        Refusal{"noCells", Edit([](Json& j) { j["rows"] = 0; }),
                "/rows: block size 3 x 0 gives 0 cells; 1 to 1000000 are accepted"},
        Refusal{"beyondTheMapLimit", Edit([](Json& j) { j["columns"] = 1000; j["rows"] = 1001; }),
                "/columns: block size 1000 x 1001 gives 1001000 cells; 1 to 1000000 are accepted"},
        Refusal{"sizeBeyond32Bits", Edit([](Json& j) { j["columns"] = 4294967296ull; }),
                "/columns: columns 4294967296 does not fit 32 bits"},
        Refusal{"layersAsArray", Edit([](Json& j) { j["layers"] = Json::array(); }),
                "/layers: the layers must be an object, not an array"},
        Refusal{"missingLayer", Edit([](Json& j) { j["layers"].erase("1"); }),
                "/layers/1: the layers has no \"1\""},
        Refusal{"extraLayer", Edit([](Json& j) { j["layers"]["3"] = Json::array(); }),
                "/layers/3: unknown key"},
        Refusal{"layerNotRows", Edit([](Json& j) { j["layers"]["0"] = 5; }),
                "/layers/0: a layer must be an array of rows, not a number"},
        Refusal{"rowCount", Edit([](Json& j) { j["layers"]["2"].erase(1); }),
                "/layers/2: 1 row; \"rows\" is 2"},
        Refusal{"raggedRow", Edit([](Json& j) { j["layers"]["1"][1].push_back(0); }),
                "/layers/1/1: 4 chip ids; \"columns\" is 3"},
        Refusal{"rowNotArray", Edit([](Json& j) { j["layers"]["1"][0] = Json::object(); }),
                "/layers/1/0: a row must be an array of chip ids, not an object"},
        Refusal{"chipAbove32Bits", Edit([](Json& j) { j["layers"]["2"][1][2] = 4294967296ull; }),
                "/layers/2/1/2: chip id 4294967296 does not fit 32 bits"},
        Refusal{"chipBeyond64Bits", Edit([](Json& j) { j["layers"]["2"][0][0] = 1e20; }),
                "/layers/2/0/0: chip id 1e+20 does not fit 32 bits"},
        Refusal{"negativeChip", Edit([](Json& j) { j["layers"]["0"][0][0] = -1; }),
                "/layers/0/0/0: chip id -1 is negative"},
        Refusal{"chipAsNull", Edit([](Json& j) { j["layers"]["0"][0][0] = nullptr; }),
                "/layers/0/0/0: chip id must be an integer, not a null"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

}  // namespace
