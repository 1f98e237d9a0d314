// 置換 through its dialog, in the map and in the selection, and the conflicts of a map merged by
// the map tool: marked when the map opens, visited by 次の競合, resolved a side at a time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorFixture.h"
#include "PaletteWindow.h"
#include "MessageBoxWatcher.h"
#include "TestFiles.h"
#include "core/Texts.h"
#include "map/MapOpening.h"
#include "map/core/MapFileWriter.h"
#include "map/core/MergeConflictsFile.h"
#include "render/core/ViewCentering.h"
#include "render/core/ViewMarks.h"
#include "resource.h"

using ReplaceTest = EditorTest;

// Chip 2 of layer 0 in five cells; 置換前 picked from the map, 置換後 clicked in a palette; in the
// whole map, then in a selection, each one step undone.
TEST_F(ReplaceTest, ReplacesInTheMapOrTheSelectionAsOneStepAndTellsTheCount) {
    for (uint32_t index : {0u, 5u, 17u, 40u, 191u}) SetCell(0, index, MapCell{2, 40, 0});
    const std::string path = TempPath("picoran-replace.bin");
    const std::string before = SaveAndRead(path);
    const size_t steps = mainWindow->stage.UndoableSteps();
    for (const char* count : {"5", "2"}) {
        if (count[0] == '2') editor->tools.Select(CellRect{0, 0, 3, 2}, mainWindow->CellCounts());  // 0 and 17
        PressKey('H', true);
        HWND dialog = editor->replaceWindow;
        ASSERT_TRUE(dialog != nullptr && IsWindowVisible(dialog));
        ClickAt(mainWindow->handle, 20, 20, WM_RBUTTONDOWN);
        ClickAt(smallPalette->handle, 65, 45);  // chip 100 of layer 0
        MessageBoxWatcher boxes;
        PostMessageA(GetDlgItem(dialog, IDC_REPLACE_OK), WM_KEYDOWN, VK_RETURN, 0);  // Enter presses OK
        PumpMessages();
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        const std::string told = std::string(count) + " " + (texts::kReplacedCellsFormat + 3);  // after "%s "
        EXPECT_EQ(boxes.Boxes()[0], std::string(texts::kReplaceTitle) + "|" + told);
        EXPECT_EQ(mainWindow->stage.UndoableSteps(), steps + 1);
        EXPECT_EQ(MapCellAt(0, 1, 1).chipId, 100u);
        EXPECT_EQ(MapCellAt(0, 5, 0).chipId, count[0] == '2' ? 2u : 100u);
        PressKey('Z', true);
        EXPECT_EQ(SaveAndRead(path), before);
    }
}

#ifdef PICORAN_HAS_MAP_TOOL
namespace {

uint32_t ConflictMapCell(uint32_t column, uint32_t row) { return row * 40 + column; }

// Centred on the cell, the view shows its mark at the cell's top-left corner.
void ExpectViewOnMarkedCell(int32_t column, int32_t row) {
    const ViewOffsets centred = CentreViewOn(MapPoint{column * 40 + 20, row * 40 + 20}, mainWindow->CellCounts());
    EXPECT_EQ((ViewOffsets{scrollX, scrollY}), centred);
    EXPECT_EQ(mainWindow->backBuffer->Pixel((column - scrollX) * 40, (row - scrollY) * 40), kConflictMarkPixel);
}

}  // namespace

using ConflictsTest = EditorTest;

// Two conflicts in a 40 x 30 map, (5, 25) of layer 0 and (30, 20) of layer 1, and a cell only
// theirs changed; theirs taken in one, ours kept in the other; likewise for the time limit and
// the music in conflict.
TEST_F(ConflictsTest, MarkedWhenOpenedVisitedInTurnAndResolvedASideAtATime) {
    ScratchFolder folder("picoran-conflicts");
    MapDocument maps[3];
    for (MapDocument& map : maps) {
        map.mapWidth = 1600, map.mapHeight = 1200;
        for (auto* layer : {&map.layer0Ids, &map.layer1Ids, &map.layer2Ids}) layer->assign(40 * 30, 0);
    }
    MapDocument &ours = maps[1], &theirs = maps[2];
    ours.layer0Ids[ConflictMapCell(5, 25)] = 2, theirs.layer0Ids[ConflictMapCell(5, 25)] = 4;
    theirs.layer1Ids[ConflictMapCell(1, 1)] = 6;
    ours.layer1Ids[ConflictMapCell(30, 20)] = 2, theirs.layer1Ids[ConflictMapCell(30, 20)] = 3;
    ours.music = 4, theirs.music = 5, theirs.timeLimit = 6, ours.timeLimit = 7;  // named as the map opens
    std::string arguments = "merge", printed;
    int side = 0;
    for (const char* name : {"base", "ours", "theirs"}) {
        WriteBytes(folder.Path() + "\\" + name + ".bin", Bytes(WriteBinaryMap(maps[side++])));
        arguments += " \"" + folder.Path() + "\\" + name + ".bin\"";
    }
    const std::string mapPath = folder.Path() + "\\merged.bin", conflictsPath = mapPath + ".conflicts.json";
    EXPECT_NE(RunMapTool(arguments + " -o \"" + mapPath + "\"", printed), 0u) << printed;
    {
        MessageBoxWatcher boxes;
        ASSERT_TRUE(OpenMapPath(Wide(mapPath)));
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_NE(boxes.Boxes()[0].find(std::string(texts::kFieldTimeLimit) + texts::kFieldOursLabel + " 7" +
                                        texts::kFieldTheirsLabel + " 6\r\n" + texts::kFieldMusic),
                  std::string::npos);
    }
    ShowChanges();
    PressKey('J', true);
    ExpectViewOnMarkedCell(30, 20);
    DispatchCommand(ID_EDIT_TAKE_THEIRS);
    EXPECT_EQ(MapCellAt(1, 30, 20).chipId, 3u);
    EXPECT_NE(mainWindow->backBuffer->Pixel((30 - scrollX) * 40, (20 - scrollY) * 40), kConflictMarkPixel);
    PressKey('Z', true);  // open again, ours back
    EXPECT_EQ(MapCellAt(1, 30, 20).chipId, 2u);
    EXPECT_EQ(mainWindow->stage.Conflicts().OpenCount(), 2u);
    PressKey('Y', true);
    SaveAndRead(mapPath);  // saved with one resolved: the file keeps the other, and the fields
    MergeConflicts kept;
    std::string error;
    ASSERT_TRUE(MergeConflictsFromJson(FileBytes(conflictsPath), 1600, 1200, kept, error)) << error;
    ASSERT_EQ(kept.cells.size(), 1u);
    EXPECT_EQ(kept.cells[0].row, 25u);
    EXPECT_EQ(kept.fields.size(), 2u);
    {
        MessageBoxWatcher answers(std::vector<int>{IDYES, IDNO});  // 値の競合: theirs' time limit, our music
        DispatchCommand(ID_EDIT_FIELD_CONFLICTS);
        ASSERT_EQ(answers.Boxes().size(), 2u);
        EXPECT_NE(answers.Boxes()[0].find(std::string(texts::kFieldTimeLimit) + texts::kFieldOursLabel), std::string::npos);
    }
    EXPECT_EQ(mainWindow->stage.Settings().numbers.timeLimit, 6);
    EXPECT_EQ(BoxText(configWindow, IDC_CONFIG_TIME_LIMIT), "6");  // the dialog's box shows it
    PressKey('Z', true), PressKey('Z', true);  // the music's choice, then the time limit's
    EXPECT_EQ(mainWindow->stage.Settings().numbers.timeLimit, 7);
    EXPECT_EQ(mainWindow->stage.Conflicts().OpenFieldCount(), 2u);
    PressKey('Y', true), PressKey('Y', true);

    PressKey('J', true);
    ExpectViewOnMarkedCell(5, 25);
    MessageBoxWatcher boxes(IDYES);  // the last one resolved: the file is offered for removal
    DispatchCommand(ID_EDIT_KEEP_OURS);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_NE(boxes.Boxes()[0].find("merged.bin.conflicts.json"), std::string::npos);
    EXPECT_FALSE(FileExists(conflictsPath));
    // Only the cell and the time limit whose theirs was taken differ from ours, besides theirs'
    // own change.
    ours.layer1Ids[ConflictMapCell(30, 20)] = 3, ours.layer1Ids[ConflictMapCell(1, 1)] = 6, ours.timeLimit = 6;
    EXPECT_EQ(SaveAndRead(folder.Path() + "\\resolved.bin"), Bytes(WriteBinaryMap(ours)));
}
#endif
