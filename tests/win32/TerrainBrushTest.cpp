// The terrain brush through the real windows: a set chosen in the window "地形" and a ragged
// stroke saved as the map tool re-fits the same inside cells, a piece taken away with Shift,
// and each stroke one undo step back to the bytes saved before.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorFixture.h"
#include "TerrainWindow.h"
#include "TestFiles.h"
#include "map/core/MapFileWriter.h"
#include "map/core/terrain/TerrainRules.h"
#include "map/core/tools/ToolTable.h"
#include "resource.h"

namespace {

void StrokeOnMap(const std::vector<POINT>& points, WPARAM keys = MK_LBUTTON) {
    HWND window = mainWindow->handle;
    SendMessageA(window, WM_LBUTTONDOWN, keys, MAKELPARAM(points.front().x, points.front().y));
    for (const POINT& p : points) SendMessageA(window, WM_MOUSEMOVE, keys, MAKELPARAM(p.x, p.y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(points.back().x, points.back().y));
    ShowChanges();
}

class TerrainBrushTest : public EditorTest {};

}  // namespace

TEST_F(TerrainBrushTest, ARaggedStrokeSavesAsTheMapToolReFitsItAndShiftTakesAPieceAway) {
    const TerrainSets& sets = editor->terrains;
    ASSERT_FALSE(sets.Empty()) << "data/terrains.json beside the tests: " << editor->terrainsRefused;
    int ground = -1;
    for (size_t i = 0; i < sets.Count() && ground < 0; ++i)
        if (sets.Set(i).layer == 1) ground = static_cast<int>(i);
    ASSERT_GE(ground, 0);
    editor->hand.random = ChipRandom(5);
    const std::string before = SaveAndRead(TempPath("picoran-terrain-before.bin"));

    // The set's row in the window puts it in hand and chooses the tool.
    PressKey(VK_F7);
    ASSERT_TRUE(IsWindowVisible(editor->terrainWindow->handle));
    ClickAt(editor->terrainWindow->handle, 60, ground * 44 + 20);
    EXPECT_EQ(ActiveTool(), UINT{ID_TOOL_TERRAIN});
    EXPECT_EQ(editor->hand.ChosenTerrain(), ground);
    StrokeOnMap({CellCentre(2, 2), CellCentre(6, 3), CellCentre(9, 2), CellCentre(12, 6), CellCentre(7, 9),
                 CellCentre(3, 7), CellCentre(5, 5)});
    EXPECT_EQ(mainWindow->stage.UndoableSteps(), 1u);
    const std::string painted = SaveAndRead(TempPath("picoran-terrain-painted.bin"));
    EXPECT_NE(painted, before);

#ifdef PICORAN_HAS_MAP_TOOL
    // The same inside cells, every other cell of the set emptied, re-fitted by the map tool.
    MapDocument inside = mainWindow->stage.Document();
    for (uint32_t& id : inside.layer1Ids) {
        const TerrainMember member = sets.Member(1, id);
        if (member.set == ground && member.corners != kAllCorners) id = 0;
    }
    const std::string input = TempPath("picoran-terrain-inside.bin");
    const std::string output = TempPath("picoran-terrain-autotiled.bin");
    const std::vector<uint8_t> bytes = WriteBinaryMap(inside);
    WriteBytes(input, Bytes(bytes));
    std::string printed;
    EXPECT_EQ(RunMapTool("autotile --terrains data\\terrains.json --seed 5 \"" + input + "\" \"" + output + "\"", printed), 0u)
        << printed;
    EXPECT_TRUE(FileBytes(output) == painted) << "the map tool re-fits the inside cells otherwise";
    DeleteFileA(input.c_str());
    DeleteFileA(output.c_str());
#endif

    // Shift takes the terrain away from a cell inside; the neighbours follow and stay fitted.
    ASSERT_EQ(sets.Member(1, MapCellAt(1, 6, 3)).corners, kAllCorners);
    StrokeOnMap({CellCentre(6, 3)}, MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(MapCellAt(1, 6, 3).chipId, 0u);
    EXPECT_NE(sets.Member(1, MapCellAt(1, 5, 3)).corners, kAllCorners);
    EXPECT_TRUE(AutotileWrites(mainWindow->map, sets, editor->hand.random).writes.empty());
    EXPECT_EQ(mainWindow->stage.UndoableSteps(), 2u);

    PressKey('Z', true);
    EXPECT_EQ(SaveAndRead(TempPath("picoran-terrain-painted.bin")), painted);
    PressKey('Z', true);
    EXPECT_EQ(SaveAndRead(TempPath("picoran-terrain-before.bin")), before);
    DeleteFileA(TempPath("picoran-terrain-before.bin").c_str());
    DeleteFileA(TempPath("picoran-terrain-painted.bin").c_str());
}
