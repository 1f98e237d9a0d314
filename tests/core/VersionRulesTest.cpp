// The names of saved versions and which of them a map keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "map/core/VersionRules.h"

namespace {

const std::string kStage = "C:\\maps\\stage1.bin";
const ClockTime kNoon{2026, 12, 10, 12, 0, 5};

ClockTime Minutes(int32_t minute) { return ClockTime{2026, 12, 10, 15, minute, 0}; }

struct SafeNameCase {
    std::string path;
    std::string name;
};

void PrintTo(const SafeNameCase& c, std::ostream* out) { *out << c.path.size() << "-byte path to " << c.name; }

class VersionMapNames : public ::testing::TestWithParam<SafeNameCase> {};

TEST_P(VersionMapNames, AreTheMapsNameMadeSafe) {
    EXPECT_EQ(VersionMapName(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Names, VersionMapNames, ::testing::Values(
    SafeNameCase{"C:\\maps\\stage1.bin", "stage1.bin"},
    SafeNameCase{"/home/d/maps/stage1.bin", "stage1.bin"},
    // ぴこらんマップ, the default map, without an extension
    SafeNameCase{"C:\\e\\\xE3\x81\xB4\xE3\x81\x93\xE3\x82\x89\xE3\x82\x93\xE3\x83\x9E\xE3\x83\x83\xE3\x83\x97",
                 "\xE3\x81\xB4\xE3\x81\x93\xE3\x82\x89\xE3\x82\x93\xE3\x83\x9E\xE3\x83\x83\xE3\x83\x97"},
    SafeNameCase{"/m/a:b*c?d\"e<f>g|h\ti.bin", "a_b_c_d_e_f_g_h_i.bin"},
    SafeNameCase{"/m/\xFF\xFEmap.bin", "__map.bin"},  // bytes that are no UTF-8
    SafeNameCase{"/m/con.bin", "_con.bin"},
    SafeNameCase{"/m/LPT1", "_LPT1"},
    SafeNameCase{"/m/COM10.bin", "COM10.bin"},
    SafeNameCase{"C:\\maps\\", "map"},
    SafeNameCase{"/m/" + std::string(100, 'x'), std::string(80, 'x')},
    // Cut before a character that would pass 80 bytes: 26 three-byte kana are 78 bytes.
    SafeNameCase{"/m/" + [] { std::string s; for (int i = 0; i < 30; ++i) s += "\xE3\x81\x82"; return s; }(),
                 [] { std::string s; for (int i = 0; i < 26; ++i) s += "\xE3\x81\x82"; return s; }()}));

TEST(VersionRules, NamesCarryTheMapTheTimeAndTheFolder) {
    const std::string name = VersionName(kStage, kNoon, 1);
    EXPECT_EQ(name, "stage1.bin~2026-12-10_12-00-05~" + VersionPathHash(kStage) + ".bin");
    EXPECT_EQ(VersionName(kStage, kNoon, 3), "stage1.bin~2026-12-10_12-00-05-3~" + VersionPathHash(kStage) + ".bin");
    EXPECT_EQ(VersionPathHash(kStage).size(), 8u);
    // One file spelt two ways shares its versions; the same name in another folder does not.
    EXPECT_EQ(VersionPathHash(kStage), VersionPathHash("c:/MAPS/Stage1.BIN"));
    EXPECT_NE(VersionPathHash(kStage), VersionPathHash("C:\\maps\\old\\stage1.bin"));

    VersionNameParts parts;
    ASSERT_TRUE(ParseVersionName(VersionName("C:\\m\\a~b.bin", kNoon, 12), parts));
    EXPECT_EQ(parts.mapName, "a~b.bin");
    EXPECT_EQ(parts.time, kNoon);
    EXPECT_EQ(parts.sequence, 12u);
    EXPECT_EQ(parts.pathHash, VersionPathHash("C:\\m\\a~b.bin"));
}

TEST(VersionRules, OtherNamesAreNoVersions) {
    const std::string hash = VersionPathHash(kStage);
    VersionNameParts parts;
    for (const std::string& name : std::vector<std::string>{
             "stage1.bin", std::string("~1a2b3.tmp"),
             "stage1.bin~2026-12-10_12-00-05~" + hash + ".txt",
             "stage1.bin~2026-12-10_12-00-05~" + hash.substr(1) + ".bin",
             std::string("stage1.bin~2026-12-10_12-00-05~ABCDEF12.bin"),
             "stage1.bin-2026-12-10_12-00-05~" + hash + ".bin",
             "~2026-12-10_12-00-05~" + hash + ".bin",
             "stage1.bin~2026-13-10_12-00-05~" + hash + ".bin",
             "stage1.bin~2026-12-10_24-00-05~" + hash + ".bin",
             "stage1.bin~2026-12-10 12-00-05~" + hash + ".bin",
             "stage1.bin~2026-12-10_12-00-05-1~" + hash + ".bin",
             "stage1.bin~2026-12-10_12-00-05-02~" + hash + ".bin",
             "stage1.bin~2026-12-10_12-00-05-x~" + hash + ".bin",
         })
        EXPECT_FALSE(ParseVersionName(name, parts)) << name;
}

TEST(VersionRules, AMapsVersionsNewestFirstAndNoOthers) {
    const std::string other = "C:\\maps\\old\\stage1.bin";  // same name, other folder
    const std::vector<std::string> names = {
        VersionName(kStage, Minutes(3), 1),  VersionName(other, Minutes(9), 1),
        VersionName(kStage, Minutes(10), 1), VersionName(kStage, Minutes(3), 2),
        VersionName("C:\\maps\\stage2.bin", Minutes(11), 1), "readme.txt",
        VersionName(kStage, {2025, 1, 1, 0, 0, 0}, 1),
    };
    EXPECT_EQ(VersionsOfMap(kStage, names),
              std::vector<std::string>({names[2], names[3], names[0], names[6]}));
    EXPECT_EQ(VersionsOfMap(other, names), std::vector<std::string>({names[1]}));
}

TEST(VersionRules, ANewNameIsOneNoOtherVersionHas) {
    std::vector<std::string> names = {"readme.txt"};
    for (uint32_t expected = 1; expected <= 3; ++expected) {
        const std::string name = NewVersionName(kStage, kNoon, names);
        EXPECT_EQ(name, VersionName(kStage, kNoon, expected));
        names.push_back(name);
    }
    // Windows takes a name in another letter case as the same file.
    std::string upper = VersionName(kStage, Minutes(1), 1);
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    EXPECT_EQ(NewVersionName(kStage, Minutes(1), {upper}), VersionName(kStage, Minutes(1), 2));
}

TEST(VersionRules, EachMapKeepsItsNewestTwentyAndTheOneJustKept) {
    const std::string other = "C:\\maps\\stage2.bin";
    std::vector<std::string> names;
    for (int32_t minute = 0; minute < 25; ++minute) names.push_back(VersionName(kStage, Minutes(minute), 1));
    for (int32_t minute = 0; minute < 25; ++minute) names.push_back(VersionName(other, Minutes(minute), 1));

    // The newest (minute 24) was just kept: minutes 0 to 4 go, the other map's stay.
    std::vector<std::string> expected(names.begin(), names.begin() + 5);
    std::vector<std::string> removed = VersionsToRemove(kStage, names, names[24]);
    std::sort(removed.begin(), removed.end());
    EXPECT_EQ(removed, expected);

    // A clock set back: the version just kept looks oldest, and still stays.
    const std::string early = VersionName(kStage, {2020, 1, 1, 0, 0, 0}, 1);
    names.push_back(early);
    removed = VersionsToRemove(kStage, names, early);
    EXPECT_EQ(std::count(removed.begin(), removed.end(), early), 0);
    EXPECT_EQ(removed.size(), 6u);  // 26 versions, 20 stay

    EXPECT_TRUE(VersionsToRemove(kStage, {names[0], names[1]}, names[1]).empty());
}

}  // namespace
