#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "CellRulesTestSupport.h"
#include "MapFileTestSupport.h"
#include "map/core/DocumentCells.h"
#include "map/core/MapFileWriter.h"
#include "map/core/PenStroke.h"
#include "map/core/Stage.h"

namespace {

// A stage holding the document; no palette, so every cell is drawn from the sheet's corner.
void OpenInto(Stage& stage, const MapDocument& document) {
    static const PaletteModel kNoPalette(0);
    ASSERT_TRUE(OpenDocument(document, kNoPalette, kNoPalette, stage));
}

std::vector<uint8_t> Saved(const Stage& stage) { return WriteBinaryMap(stage.Document()); }

CellWrite Put(uint32_t index, uint8_t layer, uint32_t chipId) {
    return CellWrite{index, layer, MapCell{chipId, 40, 80}};
}

const ChipEntry kLargeChip{35, 80, 160, 2};

// The pen pressed on a cell, through the stage (joining a stroke when one is open).
bool PlaceChip(Stage& stage, const ChipEntry& chip, int32_t column, int32_t row) {
    PenStroke pen;
    return stage.WriteCells(pen.Begin(stage.Map(), chip, CellPoint{column, row}, kEveryCell));
}
using cell_rules_test::kEraser;

struct StepCase {
    const char* name;
    std::function<bool(Stage&)> step;
    std::function<void(Stage&)> setup = nullptr;  // the busy map unless given
};

// A 30 x 20 map with something in every cell and setting.
MapDocument BusyMap() { return FilledMap(30, 20, 7); }

StageSettings Changed(const Stage& stage, const std::function<void(StageSettings&)>& change) {
    StageSettings settings = stage.Settings();
    change(settings);
    return settings;
}

const StepCase kSteps[] = {
    {"click", [](Stage& s) { return PlaceChip(s, kLargeChip, 5, 3); }},
    {"stroke", [](Stage& s) {
         s.BeginStroke();
         for (int32_t column = 0; column < 16; ++column) PlaceChip(s, kLargeChip, column, 2);
         s.EndStroke();
         return true;
     }},
    {"eraser stroke", [](Stage& s) {
         s.BeginStroke();
         for (int32_t row = 3; row < 15; ++row) PlaceChip(s, kEraser, 7, row);
         s.EndStroke();
         return true;
     }},
    {"clear", [](Stage& s) { return s.ClearMap(); }},
    {"clear of a few chips", [](Stage& s) { return s.ClearMap(); },
     [](Stage& s) {
         MapDocument sparse = FilledMap(30, 20, 3);
         for (size_t i = 0; i < sparse.CellCount(); ++i) {
             if (i % 9 != 0) sparse.layer0Ids[i] = sparse.layer1Ids[i] = sparse.layer2Ids[i] = 0;
         }
         OpenInto(s, sparse);
     }},
    {"smaller size", [](Stage& s) { return s.ResizeMap(640, 480); }},
    {"larger size", [](Stage& s) { return s.ResizeMap(2400, 2000); }},
    {"taller, narrower", [](Stage& s) { return s.ResizeMap(680, 1600); }},
    {"cell writes", [](Stage& s) { return s.WriteCells({Put(0, 0, 5), Put(599, 2, 6), Put(0, 0, 7)}); }},
    {"start position", [](Stage& s) {
         return s.ChangeSettings(Changed(s, [](StageSettings& v) { v.startX = 40; v.startY = 80; }));
     }},
    {"not specified", [](Stage& s) {
         return s.ChangeSettings(Changed(s, [](StageSettings& v) { v.startUnspecified = true; }));
     }},
    {"comment", [](Stage& s) {
         return s.ChangeSettings(Changed(s, [](StageSettings& v) { v.comment = std::string(256, 'x'); }));
     }},
    {"stage numbers", [](Stage& s) {
         return s.ChangeSettings(Changed(s, [](StageSettings& v) { v.numbers.music = 999; }));
     }},
};

}  // namespace

class EveryStep : public ::testing::TestWithParam<StepCase> {};

// Each kind of step is one step: undone it gives back exactly the file saved before, redone
// the file saved after, as often as it is asked.
TEST_P(EveryStep, UndoAndRedoGiveBackTheSavedBytes) {
    Stage stage;
    if (GetParam().setup) {
        GetParam().setup(stage);
    } else {
        OpenInto(stage, BusyMap());
    }
    const std::vector<uint8_t> before = Saved(stage);
    ASSERT_TRUE(GetParam().step(stage));
    const std::vector<uint8_t> after = Saved(stage);
    ASSERT_NE(after, before);
    EXPECT_EQ(stage.UndoableSteps(), 1u);
    EXPECT_FALSE(stage.CanRedo());
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(stage.Undo());
        EXPECT_EQ(Saved(stage), before);
        EXPECT_FALSE(stage.CanUndo());
        ASSERT_TRUE(stage.Redo());
        EXPECT_EQ(Saved(stage), after);
        EXPECT_FALSE(stage.CanRedo());
    }
}

INSTANTIATE_TEST_SUITE_P(Stage, EveryStep, ::testing::ValuesIn(kSteps),
                         [](const ::testing::TestParamInfo<StepCase>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) if (c == ' ' || c == ',') c = '_';
                             return name;
                         });

TEST(Stage, AStrokeThatCrossesItselfIsOneStepBackToTheOldestValues) {
    Stage stage;
    OpenInto(stage, BusyMap());
    const std::vector<uint8_t> before = Saved(stage);
    stage.BeginStroke();
    // Across row 2, down column 5 and back across row 2: cells of row 2 are written twice,
    // with chips that differ, and the crossing cell three times.
    for (uint32_t c = 0; c < 10; ++c) stage.WriteCells({Put(2 * 30 + c, 0, 11)});
    for (uint32_t r = 0; r < 6; ++r) stage.WriteCells({Put(r * 30 + 5, 0, 12)});
    for (uint32_t c = 0; c < 10; ++c) stage.WriteCells({Put(2 * 30 + c, 0, 13)});
    EXPECT_TRUE(stage.InStroke());
    stage.EndStroke();
    EXPECT_EQ(stage.UndoableSteps(), 1u);
    EXPECT_EQ(stage.Map().Layer(0)[2 * 30 + 5].chipId, 13u);
    ASSERT_TRUE(stage.Undo());
    EXPECT_EQ(Saved(stage), before);
}

TEST(Stage, WhatLeavesTheFileAsItWasMakesNoStep) {
    Stage stage;
    OpenInto(stage, BusyMap());
    ASSERT_TRUE(stage.WriteCells({Put(3, 1, 0)}));  // an empty cell to erase again
    const size_t steps = stage.UndoableSteps();
    const MapCell held = stage.Map().Layer(2)[4];
    const std::vector<std::function<bool()>> noOps = {
        [&] { return stage.WriteCells({CellWrite{4, 2, held}}); },  // what the cell holds
        [&] { return stage.WriteCells({CellWrite{3, 1, MapCell{0, 120, 40}}}); },  // empty stays empty
        [&] { return stage.WriteCells({Put(600, 0, 5), Put(0, 3, 5)}); },  // outside the map
        [&] { return stage.ChangeSettings(stage.Settings()); },
        [&] { stage.BeginStroke(); stage.EndStroke(); return false; },
        [&] { return stage.ResizeMap(1200, 800) && false; },  // the size it has
        [&] {  // a comment too long for a file is refused whole
            StageSettings v = stage.Settings();
            v.comment = std::string(257, 'x');
            return stage.ChangeSettings(v);
        },
    };
    for (size_t i = 0; i < noOps.size(); ++i) {
        EXPECT_FALSE(noOps[i]()) << i;
        EXPECT_EQ(stage.UndoableSteps(), steps) << i;
    }
    Stage empty;
    EXPECT_FALSE(empty.ClearMap());
    EXPECT_FALSE(empty.CanUndo());
}

TEST(Stage, ModifiedFollowsTheHistoryThroughASave) {
    Stage stage;
    EXPECT_FALSE(stage.IsModified());
    ASSERT_TRUE(stage.WriteCells({Put(0, 0, 1)}));
    EXPECT_TRUE(stage.IsModified());
    ASSERT_TRUE(stage.Undo());
    EXPECT_FALSE(stage.IsModified());  // back at the state it started from
    ASSERT_TRUE(stage.Redo());
    ASSERT_TRUE(stage.WriteCells({Put(1, 0, 2)}));
    stage.MarkSaved();
    EXPECT_FALSE(stage.IsModified());
    ASSERT_TRUE(stage.Undo());
    EXPECT_TRUE(stage.IsModified());
    ASSERT_TRUE(stage.Redo());
    EXPECT_FALSE(stage.IsModified());
    // Undo, then a new change: the saved state can no longer be reached.
    ASSERT_TRUE(stage.Undo());
    ASSERT_TRUE(stage.WriteCells({Put(1, 0, 2)}));
    EXPECT_TRUE(stage.IsModified());
    EXPECT_FALSE(stage.CanRedo());
    // Open and New start a new history that counts as saved.
    stage.New();
    EXPECT_FALSE(stage.IsModified());
    EXPECT_FALSE(stage.CanUndo());
    OpenInto(stage, BusyMap());
    EXPECT_FALSE(stage.IsModified());
    EXPECT_FALSE(stage.CanUndo());
}

// A recovered stage matches no file: modified through undo and redo until it is saved. The
// state id tells what the recovery copy holds from what has changed since.
TEST(Stage, AStageMarkedUnsavedStaysModifiedUntilSaved) {
    Stage stage;
    OpenInto(stage, BusyMap());
    const uint64_t opened = stage.StateId();
    stage.MarkUnsaved();
    EXPECT_TRUE(stage.IsModified());
    EXPECT_EQ(stage.StateId(), opened);  // marking is no change of the stage
    ASSERT_TRUE(stage.WriteCells({Put(0, 0, 77)}));
    EXPECT_NE(stage.StateId(), opened);
    ASSERT_TRUE(stage.Undo());
    EXPECT_EQ(stage.StateId(), opened);
    EXPECT_TRUE(stage.IsModified());
    stage.MarkSaved();
    EXPECT_FALSE(stage.IsModified());
}

TEST(Stage, NewKeepsTheStartPositionAndCommentOnly) {
    Stage stage;
    OpenInto(stage, BusyMap());
    const StageSettings before = stage.Settings();
    ASSERT_TRUE(stage.New());
    EXPECT_EQ(stage.Map().mapWidth, 640);
    EXPECT_EQ(stage.Map().mapHeight, 480);
    for (int layer = 0; layer < 3; ++layer)
        for (size_t i = 0; i < stage.Map().CellCount(); ++i) ASSERT_EQ(stage.Map().Layer(layer)[i].chipId, 0u);
    EXPECT_EQ(stage.Settings().startX, before.startX);
    EXPECT_EQ(stage.Settings().startUnspecified, before.startUnspecified);
    EXPECT_EQ(stage.Settings().comment, before.comment);
    EXPECT_EQ(stage.Settings().numbers, StageNumbers{});
}

TEST(Stage, KeepsAThousandStepsOfASixtyBySixtyMap) {
    Stage stage;
    const std::vector<uint8_t> start = Saved(stage);
    ASSERT_TRUE(stage.ResizeMap(2400, 2400));
    for (uint32_t i = 0; i < 1200; ++i) ASSERT_TRUE(stage.WriteCells({Put(i % 3600, i % 3, 1 + i)}));
    size_t undone = 0;
    while (stage.Undo()) ++undone;
    EXPECT_EQ(undone, 1201u);
    EXPECT_EQ(Saved(stage), start);
}

// A clear of a full map of a million cells keeps the old layers, 36 bytes a cell: 36 MB,
// under the bound. The next large step pushes the oldest steps out, never the newest.
TEST(Stage, HistoryStaysWithinItsBoundOnTheLargestMap) {
    MapDocument full;
    full.mapWidth = full.mapHeight = 40000;
    for (auto* ids : {&full.layer0Ids, &full.layer1Ids, &full.layer2Ids}) {
        ids->resize(full.CellCount());
        for (size_t i = 0; i < ids->size(); ++i) (*ids)[i] = static_cast<uint32_t>(1 + i);
    }
    Stage stage;
    OpenInto(stage, full);
    ASSERT_TRUE(stage.WriteCells({Put(5, 0, 9)}));
    ASSERT_TRUE(stage.ClearMap());
    EXPECT_LE(stage.HistoryBytes(), StageHistory::kDefaultByteLimit);
    EXPECT_GE(stage.HistoryBytes(), 3u * 1000 * 1000 * sizeof(MapCell));
    EXPECT_EQ(stage.UndoableSteps(), 2u);
    ASSERT_TRUE(stage.Undo());  // every cell back
    EXPECT_EQ(stage.Map().Layer(1)[999999].chipId, 1000000u);
    ASSERT_TRUE(stage.Redo());
    // Painting every cell again is a second step of the same size: the two cannot be kept
    // together, so the clear and the step before it go.
    CellWrites everything;
    for (uint8_t layer = 0; layer < 3; ++layer)
        for (uint32_t i = 0; i < 1000000; ++i) everything.push_back(Put(i, layer, 7));
    ASSERT_TRUE(stage.WriteCells(everything));
    EXPECT_LE(stage.HistoryBytes(), StageHistory::kDefaultByteLimit);
    EXPECT_EQ(stage.UndoableSteps(), 1u);
    ASSERT_TRUE(stage.Undo());
    EXPECT_EQ(stage.Map().Layer(2)[123].chipId, 0u);  // as the clear left it
}

TEST(Stage, TheOldestStepsGoFirstAndTheNewestAlwaysStays) {
    Stage stage(2000);  // bytes: a few small steps
    for (uint32_t i = 0; i < 100; ++i) ASSERT_TRUE(stage.WriteCells({Put(i, 0, 1)}));
    EXPECT_LE(stage.HistoryBytes(), 2000u);
    EXPECT_GT(stage.UndoableSteps(), 1u);
    EXPECT_LT(stage.UndoableSteps(), 100u);
    stage.MarkSaved();
    CellWrites many;
    for (uint32_t i = 0; i < 192; ++i) many.push_back(Put(i, 1, 4));
    ASSERT_TRUE(stage.WriteCells(many));  // alone larger than the bound
    EXPECT_EQ(stage.UndoableSteps(), 1u);
    EXPECT_TRUE(stage.IsModified());
    ASSERT_TRUE(stage.Undo());
    EXPECT_FALSE(stage.IsModified());  // the save point is the state before the big step
    EXPECT_FALSE(stage.Undo());
}

// A comment is kept as the bytes before its first zero, whole or not at all.
TEST(Stage, CommentsAreTakenWholeOrNotAtAll) {
    std::string comment = "kept";
    const std::string full(256, '\x82');
    EXPECT_TRUE(CommentFromBytes(full.data(), 256, comment));
    EXPECT_EQ(comment, full);
    EXPECT_FALSE(CommentFromBytes(std::string(257, 'y').data(), 257, comment));
    EXPECT_FALSE(CommentFromBytes("zz", -1, comment));
    EXPECT_EQ(comment, full);
    EXPECT_TRUE(CommentFromBytes("ab\0cd", 5, comment));
    EXPECT_EQ(comment, "ab");
    EXPECT_TRUE(CommentFromBytes(nullptr, 0, comment));
    EXPECT_EQ(comment, "");
    EXPECT_EQ(Stage().Settings().comment, texts::kDefaultComment);
}
