#include <gtest/gtest.h>

#include <cstring>

#include "map/core/MergeConflictsFile.h"

namespace {

// A 3 x 2 map's conflicts: the size, the start, the comment, two cells (one new on both sides).
const std::string kSampleText = R"({
  "picoranMergeConflicts": 1,
  "width": 120,
  "height": 80,
  "fields": {
    "size": {"base": {"width": 120, "height": 80}, "ours": {"width": 120, "height": 80}, "theirs": {"width": 80, "height": 80}},
    "start": {"base": null, "ours": {"x": 40, "y": 0}, "theirs": {"x": 80, "y": 0}},
    "comment": {"base": [], "ours": [131, 82], "theirs": [116]}
  },
  "cells": [
    [2, 1, 2, 0, 35, 36],
    [2, 0, 0, null, 26, 4294967295]
  ]
}
)";

TEST(MergeConflictsFile, ReadsTheFormAndWritesItBack) {
    MergeConflicts read;
    std::string error;
    ASSERT_TRUE(MergeConflictsFromJson(kSampleText, 120, 80, read, error)) << error;
    EXPECT_EQ(read.fields, (std::vector<MergeField>{MergeField::kSize, MergeField::kStart, MergeField::kComment}));
    EXPECT_TRUE(read.base.startUnspecified);
    EXPECT_EQ(read.ours.comment, (std::vector<uint8_t>{131, 82}));
    EXPECT_EQ(read.cells.back(), (CellConflict{2, 0, 0, {}, {true, 26}, {true, 4294967295u}}));
    EXPECT_EQ(MergeConflictsToJson(read), kSampleText);
}

struct Refused {
    const char* from;  // replaced in the sample's text
    const char* to;
    const char* error;  // how the reason starts
};
void PrintTo(const Refused& c, std::ostream* out) { *out << c.to; }

class MergeConflictsRefusal : public ::testing::TestWithParam<Refused> {};

TEST_P(MergeConflictsRefusal, NamesThePlaceAndLeavesTheConflictsAsTheyWere) {
    std::string text = kSampleText;
    const size_t at = text.find(GetParam().from);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, strlen(GetParam().from), GetParam().to);
    MergeConflicts conflicts;
    conflicts.mapWidth = 7;
    std::string error;
    EXPECT_FALSE(MergeConflictsFromJson(text, 120, 80, conflicts, error));
    EXPECT_EQ(error.substr(0, strlen(GetParam().error)), GetParam().error);
    EXPECT_EQ(conflicts.mapWidth, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MergeConflictsRefusal,
    ::testing::Values(
        Refused{"Conflicts\": 1", "Conflicts\": 2", "/picoranMergeConflicts: version 2; this program reads version 1"},
        Refused{"\"width\": 120,", "\"width\": 160,",
                "/width: the conflicts belong to a map of 160 x 80 pixels, not to this one of 120 x 80 pixels"},
        Refused{"[131, 82]", "[131, 256]", "/fields/comment/ours/1: byte 256 is above 255"},
        Refused{"\"ours\": {\"width\": 120", "\"ours\": {\"width\": 160", "/fields/size/ours: ours is 160 x 80 pixels, not the map's size, which a conflict of the size keeps"},
        Refused{"[2, 1, 2,", "[3, 1, 2,", "/cells/0/0: column 3 is outside the map's 3 columns"},
        Refused{"[2, 1, 2,", "[2, 1, 3,", "/cells/0/2: layer 3 is not 0, 1 or 2"},
        Refused{"0, 35, 36]", "0, 35]", "/cells/0: a cell must be [column, row, layer, base, ours, theirs], not 5 values"},
        Refused{"35, 36]", "36, 36]", "/cells/0: ours and theirs hold the same chip: no conflict"},
        Refused{"[2, 0, 0,", "[2, 1, 2,", "/cells/1: the cell is listed before, at /cells/0"}));

}  // namespace
