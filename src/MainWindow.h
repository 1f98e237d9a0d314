// The main editor window: the map it holds, its back buffer and its system window.
#pragma once
#include <cstdint>
#include <string>

#include "Window.h"
#include "map/core/CellBlock.h"
#include "map/core/MapDocument.h"
#include "map/core/MapModel.h"
#include "map/core/PenStroke.h"
#include "map/core/Stage.h"
#include "map/core/StageSettings.h"
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

    // Map operations. Each change is one undo step of the stage and shows in the caption's
    // modified mark; those that change the view end in a repaint, but for ClearMap, whose
    // callers repaint.
    void ClearMap();
    MapCellCounts CellCounts() const { return map.CellCounts(); }
    bool ResizeMap(int32_t newWidth, int32_t newHeight);
    // New values for the start position, the stage numbers and the comment.
    void ChangeSettings(const StageSettings& settings);
    // Undo and redo of the last step: the view, the dialogs' boxes and the caption follow.
    void Undo();
    void Redo();

    // The pen. Left press: paints CurrentChip into the cell under a client point and starts a
    // stroke, whose large chips tile from that cell; each move paints every cell on the line
    // from the cell seen before, within the view. Everything from BeginStroke to EndStroke is
    // one undo step.
    void BeginStroke() { stage.BeginStroke(); }
    void PlaceChip(POINT point);
    // True when it painted a cell.
    bool ContinueStroke(POINT point);
    void EndStroke();
    // Right click: takes the chip drawn on top in the cell (a large chip covering it from a
    // neighbour included; hidden layers passed over) back into CurrentChip and its palette,
    // or selects the eraser on a cell that shows none.
    void PickChip(POINT point);

    // The other tools, each one undo step, none when nothing changes. Writes into hidden
    // layers are left out. The rectangle between two cells and the bucket fill with CurrentChip.
    void FillRectangle(CellPoint start, CellPoint end);
    void BucketFill(POINT point);
    // The block stamped with its top-left at the cell; its empty cells leave the map's as they are.
    void StampBlock(const CellBlock& block, CellPoint topLeft);
    // All three layers of the cells emptied: delete, and cut.
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
    // brings the overview up to date: after every change of the map or the view.
    void Paint();
    // The view alone, for what the overview does not show: the window uncovered, a tool's
    // outline or the pasted block following the pointer. False when there is nothing to draw.
    bool PaintView();

private:
    PenStroke penStroke;

    // Makes a read document the stage, with a new history, and shows it.
    bool ApplyDocument(const MapDocument& document, const char* path);
    // A tool's writes, those into hidden layers left out, through the stage; true when a cell
    // changed, which the caption and the menu then show.
    bool WriteToolCells(CellWrites writes);
};
