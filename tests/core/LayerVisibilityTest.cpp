// Hidden and locked layers: the tools write nothing into them; the view leaves hidden ones out.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "CellRulesTestSupport.h"
#include "TerrainTestSupport.h"
#include "map/core/CellBlock.h"
#include "map/core/CoveringChips.h"
#include "map/core/LayerVisibility.h"
#include "map/core/PenStroke.h"
#include "map/core/Stage.h"
#include "map/core/ToolState.h"
#include "map/core/tools/ChipHand.h"
#include "map/core/tools/ToolTable.h"
#include "render/core/MapView.h"
#include "resource.h"

namespace {

LayerVisibility Hiding(std::initializer_list<int> hidden) {
    LayerVisibility visibility;
    for (int layer : hidden) visibility.Set(layer, false);
    return visibility;
}

// A chip in every layer of every cell, each different, so any write shows.
void FillMap(MapModel& map) {
    for (int layer = 0; layer < 3; ++layer)
        for (size_t i = 0; i < map.CellCount(); ++i)
            map.Layer(layer)[i] = MapCell{static_cast<uint32_t>(10 + 3 * i + layer), 40, 0};
}

std::array<uint32_t, 3> ChipsAt(const MapModel& map, size_t index) {
    return {map.Layer(0)[index].chipId, map.Layer(1)[index].chipId, map.Layer(2)[index].chipId};
}

}  // namespace

TEST(LayerVisibility, TogglesEachLayerAndKnowsNoOtherLayer) {
    LayerVisibility visibility;
    for (int layer : {0, 1, 2}) EXPECT_TRUE(visibility.Shows(layer));
    EXPECT_FALSE(visibility.Shows(3));
    EXPECT_FALSE(visibility.Shows(-1));
    visibility.Toggle(1);
    EXPECT_FALSE(visibility.Shows(1));
    EXPECT_TRUE(visibility.Shows(0));
    visibility.Toggle(1);
    EXPECT_TRUE(visibility.Shows(1));
    visibility.Toggle(7);  // ignored
    EXPECT_FALSE(visibility.Shows(7));
}

TEST(LayerVisibility, DropsTheWritesIntoHiddenOrLockedLayersAndKeepsTheOthersInOrder) {
    CellWrites writes{{0, 2, MapCell{1, 0, 0}}, {0, 1, MapCell{2, 0, 0}}, {5, 0, MapCell{3, 0, 0}},
                      {6, 2, MapCell{4, 0, 0}}, {7, 0, MapCell{5, 0, 0}}, {8, 9, MapCell{6, 0, 0}}};
    LayerVisibility lockedLarge;
    lockedLarge.ToggleLock(2);
    EXPECT_TRUE(lockedLarge.Shows(2));  // drawn, but not written
    DropUnwritableLayerWrites(writes, lockedLarge);
    std::vector<uint32_t> kept;
    for (const CellWrite& w : writes) kept.push_back(w.cell.chipId);
    EXPECT_EQ(kept, (std::vector<uint32_t>{2, 3, 5}));  // layer 9 is no layer at all
    LayerVisibility mixed = Hiding({0});
    mixed.SetLocked(1, true);
    DropUnwritableLayerWrites(writes, mixed);
    EXPECT_TRUE(writes.empty());
}

// Every way the designer writes cells, as the shell produces its writes: each tool of the table
// pressed at cell (2, 2), dragged and released at (5, 4) with a chip of the layer tried in
// hand (the terrain brush with a set in hand); then a stamp, then the emptying of a cut or a
// delete.
class LockedLayer : public testing::TestWithParam<size_t> {};
const size_t kStamp = ToolRows().size(), kEmptying = kStamp + 1;

CellWrites WritesOf(size_t path, const MapModel& map, int layer, const ChipHand& hand) {
    if (path == kStamp) {
        CellBlock block{2, 2, {}};
        for (auto& cells : block.layers) cells.assign(4, 2);  // chip 2 in every layer
        const cell_rules_test::EditorPalettes palettes;
        return StampWrites(map, block, CellPoint{2, 2}, palettes.small, palettes.large);
    }
    if (path == kEmptying) return EmptyAreaWrites(map, CellRect{2, 2, 6, 5});
    ToolState tools(MakeTools());
    tools.SelectTool(path);
    const ChipEntry chip{7, 40, 40, static_cast<uint32_t>(layer)};
    const auto at = [&](CellPoint cell) { return ToolInput{map, chip, cell, ViewCells(0, 0), false, &hand}; };
    CellWrites writes = tools.Press(at({2, 2})).writes;
    for (const CellWrites& more : {tools.Drag(at({5, 4})).writes, tools.Release(at({5, 4})).writes})
        writes.insert(writes.end(), more.begin(), more.end());
    return writes;
}

TEST_P(LockedLayer, TakesNoWriteOfAnyPathWhileTheOtherLayersTakeTheirs) {
    const TerrainSets sets = terrain_test::ReadSets(terrain_test::GroundJson());
    MapModel full;
    FillMap(full);
    std::vector<MapCell> layers[3];
    for (int layer : {0, 1, 2}) layers[layer].assign(full.Layer(layer), full.Layer(layer) + full.CellCount());
    int lockedPaths = 0;
    for (int locked : {0, 1, 2}) {
        Stage stage;
        ASSERT_TRUE(stage.Open(640, 480, layers[1], layers[2], layers[0], StageSettings{}));
        ChipHand hand;
        hand.terrains = &sets;
        if (GetParam() == ToolOfCommand(ID_TOOL_TERRAIN)) hand.TakeTerrain(0);
        const CellWrites writes = WritesOf(GetParam(), stage.Map(), locked, hand);
        if (std::none_of(writes.begin(), writes.end(), [&](const CellWrite& w) { return w.layer == locked; }))
            continue;
        ++lockedPaths;
        std::vector<MapCell> expected[3] = {layers[0], layers[1], layers[2]};
        for (const CellWrite& w : writes)
            if (w.layer != locked) expected[w.layer][w.index] = w.cell;
        LayerVisibility lock;
        lock.SetLocked(locked, true);
        WriteWritableCells(stage, writes, lock);
        for (int layer : {0, 1, 2})
            for (size_t i = 0; i < full.CellCount(); ++i)
                ASSERT_EQ(stage.Map().Layer(layer)[i].chipId, expected[layer][i].chipId)
                    << "path " << GetParam() << ", layer " << locked << " locked: layer " << layer << ", cell " << i;
    }
    EXPECT_GT(lockedPaths, 0) << "path " << GetParam() << " wrote into no layer";
}

// The selection writes nothing; every other tool does.
INSTANTIATE_TEST_SUITE_P(EveryWritingPath, LockedLayer,
                         testing::Values(ToolOfCommand(ID_TOOL_PEN), ToolOfCommand(ID_TOOL_RECTANGLE),
                                         ToolOfCommand(ID_TOOL_FILL), ToolOfCommand(ID_TOOL_ERASER),
                                         ToolOfCommand(ID_TOOL_LINE), ToolOfCommand(ID_TOOL_TERRAIN), kStamp,
                                         kEmptying));

using cell_rules_test::PickChip;
using cell_rules_test::PlaceChip;

// The pen, the eraser and the right-button pick as the designer sees the cell.
TEST(LayerVisibility, PenAndEraserLeaveHiddenLayersAndPickPassesThemOver) {
    MapModel map;
    FillMap(map);
    const std::array<uint32_t, 3> before = ChipsAt(map, 17);  // column 1, row 1

    PlaceChip(map, ChipEntry{99, 0, 0, 2}, 0, 0, 50, 50, Hiding({2}));
    EXPECT_EQ(ChipsAt(map, 17), before);
    PlaceChip(map, ChipEntry{99, 0, 0, 1}, 0, 0, 50, 50, Hiding({2}));
    EXPECT_EQ(ChipsAt(map, 17), (std::array<uint32_t, 3>{before[0], 99, before[2]}));

    PlaceChip(map, ChipEntry{0, 0, 0, 3}, 0, 0, 50, 50, Hiding({0}));  // the eraser
    EXPECT_EQ(ChipsAt(map, 17), (std::array<uint32_t, 3>{before[0], 0, 0}));
    EXPECT_EQ(ChipsAt(map, 16)[2], 0u);  // the large chip covering it from the left went too

    // The hidden chip is passed over: what shows is the large chip reaching in from above.
    const PickResult hiddenTop = PickChip(map, 0, 0, 50, 50, Hiding({0}));
    EXPECT_EQ(hiddenTop.kind, PickResult::Kind::kChip);
    EXPECT_EQ(hiddenTop.chip.chipId, map.Layer(2)[1].chipId);
    const PickResult shown = PickChip(map, 0, 0, 50, 50);
    EXPECT_EQ(shown.kind, PickResult::Kind::kChip);
    EXPECT_EQ(shown.chip.chipId, before[0]);
    const PickResult below = PickChip(map, 0, 0, 10, 10, Hiding({0, 1}));  // cell 0
    EXPECT_EQ(below.chip.layer, 2u);
    EXPECT_EQ(below.palette, PickResult::Palette::kLarge);
}

TEST(LayerVisibility, ViewLeavesHiddenLayersOut) {
    MemorySurface view(640, 480), expected(640, 480);
    MemorySurface backdrop(640, 480), smallSheet(512, 512), largeSheet(512, 512);
    for (int32_t y = 0; y < 512; ++y)
        for (int32_t x = 0; x < 512; ++x) {
            if (x < 640 && y < 480) backdrop.SetPixel(x, y, 0x0101);
            smallSheet.SetPixel(x, y, static_cast<uint16_t>(0x2000 + x));
            largeSheet.SetPixel(x, y, static_cast<uint16_t>(0x4000 + y));
        }
    backdrop.colorKey = smallSheet.colorKey = largeSheet.colorKey = 0;
    MapModel map;
    FillMap(map);
    for (const LayerVisibility& shown : {Hiding({0}), Hiding({1, 0}), Hiding({2, 1, 0})}) {
        ComposeMapView(view, backdrop, smallSheet, largeSheet, map, 0, 0, shown);
        // The same map with the hidden layers emptied.
        MapModel emptied;
        for (int layer = 0; layer < 3; ++layer)
            for (size_t i = 0; i < map.CellCount(); ++i)
                emptied.Layer(layer)[i] = shown.Shows(layer) ? map.Layer(layer)[i] : MapCell{};
        ComposeMapView(expected, backdrop, smallSheet, largeSheet, emptied, 0, 0);
        EXPECT_EQ(0, std::memcmp(view.pixels, expected.pixels, static_cast<size_t>(view.pitch) * 480));
    }
    EXPECT_EQ(view.Pixel(100, 100), 0x0101);  // nothing shown: the backdrop
}
