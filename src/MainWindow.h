// The main editor window: the map it holds, its back buffer and its system window.
#pragma once
#include <cstdint>
#include <string>

#include "Window.h"
#include "map/core/CellBlock.h"
#include "map/core/MapDocument.h"
#include "map/core/MapModel.h"
#include "map/core/Stage.h"
#include "map/core/StageSettings.h"
#include "map/core/tools/MapTool.h"
#include "render/Texture.h"

struct RecoveryReadResult;

// How reading a recovery copy went: read, not readable now (it stays for another time), or
// refused as damaged.
enum class RecoveryCopyRead { kRead, kCannotRead, kRefused };

class MainWindow : public Window {
public:
    const char* className;  // window class name and caption prefix, Shift_JIS
    std::wstring wideClassName;  // the same for the system
    // Everything Save writes, with its undo history; every change goes through it.
    Stage stage;
    const MapModel& map;    // the stage's size and three layers of cells, to read
    bool classRegistered = false;
    Texture* smallSheet;    // not owned
    Texture* largeSheet;    // not owned
    Texture* backBuffer;    // owned: the 640 x 480 view is composed here
    Texture* backdrop;      // not owned
    SCROLLINFO scrollInfo;

    MainWindow(HINSTANCE moduleInstance, Texture* small, Texture* large, Texture* back);
    ~MainWindow() override;

    bool Initialize() override;
    bool Create(const char* title, int32_t x, int32_t y) override;
    void MoveTo(int32_t x, int32_t y);

    // Map operations. Each change is one undo step of the stage, which reports it for the
    // displays to follow (ShowChanges shows it); none changes anything when it cannot.
    void ClearMap();
    MapCellCounts CellCounts() const { return map.CellCounts(); }
    // A new size keeping the cells both sizes share; the view is drawn again even when the
    // size stays. The selection keeps its part inside the map.
    bool ResizeMap(int32_t newWidth, int32_t newHeight);
    // New values for the start position, the stage numbers and the comment.
    void ChangeSettings(const StageSettings& settings);
    // Undo and redo of the last step; the view and the selection are kept inside the map.
    void Undo();
    void Redo();

    // The left button on the map with the tool in hand (ToolState.h). PlaceChip is the press on
    // a client point (Shift held or not); every move while the button is held continues it;
    // EndStroke is the release. Everything from the press to the release is one undo step.
    void PlaceChip(POINT point, bool shift);
    void ContinueStroke(POINT point);
    void EndStroke();
    // The mouse taken away, another tool, a paste: a stroke keeps what it painted, a drag that
    // marks cells is dropped.
    void CancelStroke();
    // Right click: takes the chip drawn on top in the cell (a large chip covering it from a
    // neighbour included; hidden layers passed over) back into CurrentChip and its palette,
    // or selects the eraser on a cell that shows none.
    void PickChip(POINT point);

    // The block stamped with its top-left at the cell, one undo step; its empty cells leave the
    // map's as they are. Writes into hidden layers are left out.
    void StampBlock(const CellBlock& block, CellPoint topLeft);
    // All three layers of the cells emptied (those shown): delete, and cut.
    void EmptyCells(const CellRect& cells);

    // Paths are UTF-8; a relative one is taken from the folder the editor was started from.
    // Writes the map and the stage values as a map data file at path, replacing an old
    // file only once the new one is complete. On failure the designer is told why.
    bool SaveMap(const char* path);
    // Reads a map data file (isBinary) or a text map file. The file is checked whole
    // first: a refused file changes nothing and the designer is told what is wrong.
    bool LoadMap(const char* path, bool isBinary);
    // Reads a recovery copy (path UTF-8) into `read`; nothing of the editor changes. A copy
    // that cannot be read or is refused is told to the designer as any map file is.
    RecoveryCopyRead ReadRecoveryCopy(const char* path, RecoveryReadResult& read);
    // Makes a recovered map the stage, with a new history, modified until it is saved; false,
    // changing nothing, when memory runs out (told as for any map; path names the copy).
    bool OpenRecoveredStage(const MapDocument& document, const char* path);
    // The map and the stage values as they would be saved.
    MapDocument CollectDocument() const { return stage.Document(); }

    // Composes the view (backdrop, cells, grid, edge markers) and copies it to the window, then
    // brings the overview up to date: after every change of the map or the view (ShowChanges).
    void Paint();
    // The view alone, for what the overview does not show: the window uncovered, a tool's
    // outline or the pasted block following the pointer. False when there is nothing to draw.
    bool PaintView();

private:
    // Makes a read document the stage, with a new history.
    bool ApplyDocument(const MapDocument& document, const char* path);
    // A tool's writes, those into hidden or locked layers left out, through the stage; true
    // when a cell changed.
    bool WriteToolCells(CellWrites writes);
    // The start tool's click, refused or not.
    void MoveStartByClick(const StartClick& click);
    // The layers panel's note of the chips the writes lay under an upper layer.
    void NoteCoveredChips(CellWrites writes);
    // The tool in hand is one whose writes the layers panel reports on: the fill, the rectangle.
    bool ToolTellsCovered() const;
    // What the tool in hand is told of the pointer at a client point.
    ToolInput InputAt(POINT point, bool shift) const;
    // After the map changed as a whole: the view and the selection kept inside it.
    void KeepViewInMap();
};
