// The stage browser's order and filter.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "MapFileTestSupport.h"
#include "map/core/MapFileWriter.h"
#include "map/core/StageList.h"

namespace {

StageEntry Listed(const char* name, uint32_t cells, StageNumbers numbers, const char* comment = "") {
    StageEntry entry;
    entry.name = name;
    entry.cellsX = entry.cellsY = cells;
    entry.numbers = numbers;
    entry.comment.assign(comment, comment + std::char_traits<char>::length(comment));
    return entry;
}

StageEntry Unreadable(const char* name) {
    StageEntry entry;
    entry.name = name;
    entry.problem = StageProblem::kRefused;
    return entry;
}

// "ア" is 0x83 0x41: its second byte is the letter A's.
std::vector<StageEntry> Folder() {
    return {Listed("stage10.bin", 60, {30, 100, 2, 1}, "Boss \x83\x41"), Unreadable("broken.bin"),
            Listed("Stage2.bin", 16, {10, 300, 1, 1}, "\x83\x41\x62"), Listed("stage1.txt", 20, {20, 300, 0, 2}, "Cave?")};
}

struct SortCase {
    StageSortKey key;
    bool descending;
    std::vector<std::string> names;
};

class StageSortTest : public testing::TestWithParam<SortCase> {};

TEST_P(StageSortTest, SortsByTheKeyThenByNameWithUnreadableFilesLast) {
    std::vector<StageEntry> entries = Folder();
    SortStages(entries, GetParam().key, GetParam().descending);
    std::vector<std::string> names;
    for (const StageEntry& entry : entries) names.push_back(entry.name);
    EXPECT_EQ(names, GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StageSortTest,
    testing::Values(SortCase{StageSortKey::kName, false, {"broken.bin", "stage1.txt", "Stage2.bin", "stage10.bin"}},
                    SortCase{StageSortKey::kName, true, {"stage10.bin", "Stage2.bin", "stage1.txt", "broken.bin"}},
                    SortCase{StageSortKey::kSize, true, {"stage10.bin", "stage1.txt", "Stage2.bin", "broken.bin"}},
                    SortCase{StageSortKey::kTargetTime, false, {"Stage2.bin", "stage1.txt", "stage10.bin", "broken.bin"}},
                    SortCase{StageSortKey::kTimeLimit, false, {"stage10.bin", "stage1.txt", "Stage2.bin", "broken.bin"}},
                    SortCase{StageSortKey::kBackgroundImage, true, {"stage10.bin", "Stage2.bin", "stage1.txt", "broken.bin"}},
                    SortCase{StageSortKey::kMusic, false, {"Stage2.bin", "stage10.bin", "stage1.txt", "broken.bin"}}));

struct FilterCase {
    StageFilter filter;
    std::vector<std::string> names;
};

class StageFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(StageFilterTest, KeepsTheEntriesWhoseNameOrCommentHoldsTheText) {
    const std::vector<StageEntry> entries = Folder();
    std::vector<std::string> names;
    for (size_t i : FilterStages(entries, GetParam().filter)) names.push_back(entries[i].name);
    EXPECT_EQ(names, GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StageFilterTest,
    testing::Values(FilterCase{{"", "", true}, {"stage10.bin", "broken.bin", "Stage2.bin", "stage1.txt"}},
                    FilterCase{{"STAGE1", "STAGE1", true}, {"stage10.bin", "stage1.txt"}},
                    FilterCase{{"cAVE", "cAVE", true}, {"stage1.txt"}},
                    // A trail byte is no letter: "ab" is not in "アb".
                    FilterCase{{"ab", "ab", true}, {}},
                    FilterCase{{"\xe3\x82\xa2", "\x83\x41", true}, {"stage10.bin", "Stage2.bin"}},
                    FilterCase{{"\xe3\x83\x82", "\x83\x61", true}, {}},  // "ヂ" (0x83 0x61) is not "ア": a trail byte has no case
                    // A character code page 932 lacks is in no comment, whatever "?" it became.
                    FilterCase{{"\xf0\x9f\x98\x80", "?", false}, {}}));

// A second listing reads only the files that changed; the others keep their entries.
TEST(StageListing, ReadsAgainOnlyTheFilesThatChanged) {
    char path[] = "/tmp/picoran-stages-XXXXXX";
    ASSERT_NE(mkdtemp(path), nullptr);
    const std::string folder = path;
    std::string reason;
    const auto write = [&](const char* name, const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(files::ReplaceFileContents(files::JoinPath(folder, name), bytes, reason)) << reason;
    };
    write("a.bin", WriteBinaryMap(FilledMap(16, 12)));
    write("b.bin", WriteBinaryMap(FilledMap(16, 12)));
    write("notes.doc", {1, 2, 3});
    MemorySurface sheet(512, 512), backdrop(640, 480);
    sheet.Clear();
    backdrop.Clear();
    StageThumbnails thumbnails(sheet, sheet, backdrop, EmptyPaletteModel(), EmptyPaletteModel());
    std::vector<StageEntry> entries;
    ASSERT_TRUE(ListStages(folder, thumbnails, entries, reason));
    ASSERT_EQ(entries.size(), 2u);
    for (StageEntry& entry : entries) entry.reason = "kept";  // what is read again loses it
    write("b.bin", WriteBinaryMap(FilledMap(20, 12)));
    ASSERT_TRUE(ListStages(folder, thumbnails, entries, reason));
    SortStages(entries, StageSortKey::kName);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].reason, "kept");
    EXPECT_EQ(entries[1].reason, "");
    EXPECT_EQ(entries[1].cellsX, 20u);
    EXPECT_EQ(entries[1].thumbnail.width, 60);  // 20 x 12 cells at 3 pixels a cell
    EXPECT_EQ(entries[1].thumbnail.pixels.size(), 60u * 36u);
    std::filesystem::remove_all(folder);
}

}  // namespace
