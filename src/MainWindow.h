// The main editor window: the map it holds, its back buffer and its system window.
#pragma once
#include <cstdint>
#include <string>

#include "Window.h"
#include "map/core/MapDocument.h"
#include "map/core/MapModel.h"
#include "render/Texture.h"

class MainWindow : public Window {
public:
    const char* className;  // window class name and caption prefix, Shift_JIS
    std::wstring wideClassName;  // the same for the system
    MapModel map;           // size, start position and the three layers of cells
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

    // Map operations, each ending in a repaint where the map view changes.
    void ClearMap() { map.ClearMap(); }
    MapCellCounts CellCounts() const { return map.CellCounts(); }
    bool ResizeMap(int32_t newWidth, int32_t newHeight);

    // Left click: paints CurrentChip into the cell under a client point.
    void PlaceChip(POINT point);
    // Right click: takes the cell's topmost chip back into CurrentChip and its palette,
    // or selects the eraser on an empty cell.
    void PickChip(POINT point);

    // Paths are UTF-8; a relative one is taken from the folder the editor was started from.
    // Writes the map and the stage values as a map data file at path, replacing an old
    // file only once the new one is complete. On failure the designer is told why.
    bool SaveMap(const char* path);
    // Reads a map data file (isBinary) or a text map file. The file is checked whole
    // first: a refused file changes nothing and the designer is told what is wrong.
    bool LoadMap(const char* path, bool isBinary);
    // The map and the stage values as they would be saved.
    MapDocument CollectDocument() const;

    // Composes the view (backdrop, cells, grid, edge markers) and copies it to the window.
    void Paint();

private:
    // Puts a read document into the map and the dialogs, then repaints.
    bool ApplyDocument(const MapDocument& document, const char* path);
};
