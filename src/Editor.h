// What the shell keeps besides the process-wide pointers and values that name the windows,
// the chip in hand, the view's offsets and the current file: the entry point makes one editor
// object at start-up and destroys it at the end, so every start begins afresh. The setters
// here, and the stage's edits, note what they changed; ShowChanges (Display.h) then brings
// every display up to date from that report.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Changes.h"
#include "core/RecentFiles.h"
#include "map/BlockClipboard.h"
#include "map/RecoverySession.h"
#include "map/core/ChipReplace.h"
#include "map/core/LayerVisibility.h"
#include "map/core/MapMerge.h"
#include "map/core/ToolState.h"
#include "map/core/terrain/TerrainSet.h"
#include "map/core/tools/ChipHand.h"
#include "render/core/OverviewSheets.h"
#include "render/core/ViewGeometry.h"
#include "render/core/WheelScrolling.h"

class LayersWindow;
class OverviewWindow;
class StageListWindow;
class TerrainWindow;

// The layers panel's note line, of the last fill, rectangle or stamp, or start click: how many
// of the chips it laid an upper layer draws over, or that the click lay beyond the start
// position's bounds and changed nothing.
struct LayersNote {
    uint32_t covered = 0;
    bool startRefused = false;
};
inline bool operator==(const LayersNote& a, const LayersNote& b) {
    return a.covered == b.covered && a.startRefused == b.startRefused;
}
class Texture;

// Sent to the dialog 置換 when the chip in hand changed: a shown dialog takes it into its
// active field.
constexpr UINT kFillReplaceFieldMessage = WM_APP + 1;

struct Editor {
    Editor();
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // The pictures the windows draw from: the two chip sheets and the view's backdrop. Owned.
    Texture* smallSheet = nullptr;
    Texture* largeSheet = nullptr;
    Texture* backdrop = nullptr;
    // The overview "全体図", hidden until shown; the entry point makes and destroys it with the
    // other windows.
    OverviewWindow* overview = nullptr;

    ToolState tools;             // the tools of the ツール menu, the selection and a paste
    // The terrain sets of data/terrains.json beside the program; none when it is missing or
    // was refused, and then why, in UTF-8 ("" for a missing file).
    TerrainSets terrains;
    std::string terrainsRefused;
    bool terrainFileFound = false;
    // The random brush's chips and the terrain set chosen or in hand, besides CurrentChip.
    ChipHand hand;
    // The cells of the last terrain stroke drawn with a substitute chip; -1 before the first.
    int32_t terrainSubstitutes = -1;
    // The window "地形" listing the sets, hidden until shown.
    TerrainWindow* terrainWindow = nullptr;
    // The window "ステージ一覧", hidden until shown.
    StageListWindow* stageList = nullptr;
    LayerVisibility shownLayers; // the layers the view shows, those locked; the tools write the others
    // The layers panel "レイヤー", hidden until shown, and its note line.
    LayersWindow* layersWindow = nullptr;
    LayersNote layersNote;
    // Where the pointer was last seen over the main window, in client pixels, if it was.
    bool pointerSeen = false;
    POINT lastPointer{0, 0};
    // The view's zoom, and the pictures scaled to its cell size once (unused at 100 %).
    ViewZoom zoom = kFullZoom;
    OverviewSheets zoomedSheets;
    // What Ctrl+wheel has turned beyond the last whole step of zoom.
    int32_t zoomWheel = 0;
    // What the wheel has turned beyond the last whole cell, along each axis.
    WheelAccumulator verticalWheel;
    WheelAccumulator horizontalWheel;

    RecoverySession recovery;
    RecentFiles recentMaps;      // as the ファイル menu shows them
    BlockClipboard clipboard;
    std::string startFolder;     // UTF-8: a bare file name means this folder
    // The file name without its folder, as the file dialogs give it.
    wchar_t fileTitle[256] = {};
    // The question about unsaved changes is open: a second request is refused meanwhile.
    bool askingAboutChanges = false;

    // The dialog 置換, made the first time it is asked for, and the chips its fields hold.
    HWND replaceWindow = nullptr;  // kFillReplaceFieldMessage: the chip in hand changed
    ReplaceFields replaceFields;
    // The conflicts file read beside the map opened last (UTF-8; "" when none was), and the
    // conflict 次の競合 went to last (an index of the stage's conflicts; SIZE_MAX for none).
    std::string conflictsPath;
    // What that file held besides the cells (the map's size, the fields in conflict), written
    // back with the cells still open when the map is saved.
    MergeConflicts conflictsBesideCells;
    size_t currentConflict = SIZE_MAX;

    // What changed since the displays were last brought up to date.
    Changes pending = kNoChange;
    // Called with "view", "small" or "large" each time the map view or a palette is redrawn;
    // null except in tests that check the order of redraws.
    void (*redrawTrace)(const char* what) = nullptr;
};

// Notes changes for the next ShowChanges; nothing before the editor object exists.
void NoteChanges(Changes changes);
// The layers panel's note line becomes `note`; noted when it changed.
void SetLayersNote(LayersNote note);
// The view's top-left cell becomes (x, y), as given; what a tool draws under a pointer that
// stayed still follows the cells now under it. The caller keeps the view inside the map.
void SetViewOffsets(int32_t x, int32_t y);
