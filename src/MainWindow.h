// The main editor window: the map it holds, its back buffer and its system window.
#pragma once
#include <cstdint>

#include "Window.h"
#include "map/MapModel.h"
#include "render/Texture.h"

class MainWindow : public Window {
public:
    const char* className;  // window class name and caption prefix
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

    // Composes the view (backdrop, cells, grid, edge markers) and copies it to the window.
    void Paint();
};

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
