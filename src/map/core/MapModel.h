// The map's size and its three layers of cells. The stage (Stage.h) holds one and changes it
// through its edits; the map view and the editing rules read it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "map/core/MapCell.h"
#include "map/core/MapLimits.h"

// Columns and rows of the layer arrays.
struct MapCellCounts {
    uint32_t cellsX = 0;
    uint32_t cellsY = 0;
};

class MapModel {
public:
    // Largest map accepted, in cells per layer: the same limit the map files have, so a
    // map the model holds can always be saved and read back.
    static constexpr size_t kMaxMapCells = ::kMaxMapCells;

    // Written only through ResizeMap and ReplaceCells, which keep the arrays in step.
    int32_t mapWidth = 640;   // pixels; need not be a multiple of 40
    int32_t mapHeight = 480;

    // Allocates three empty layers of 16 x 12 cells.
    MapModel();
    ~MapModel();
    MapModel(const MapModel&) = delete;
    MapModel& operator=(const MapModel&) = delete;

    // Cell counts of a size: size / 40 rounded down, a size of 0 or less giving 0 cells.
    // Returns false when the size has more than kMaxMapCells cells.
    static bool CountsForSize(int32_t width, int32_t height, MapCellCounts& counts);

    // Columns and rows of the current layer arrays (0 x 0 while they are missing).
    MapCellCounts CellCounts() const { return counts; }
    // cellsX * cellsY: the number of elements of each layer array.
    size_t CellCount() const { return size_t{counts.cellsX} * counts.cellsY; }

    // Empties every cell of the three layers; the size stays.
    void ClearMap();

    // Gives the map a new size, keeping the cells of the top-left region that the old and
    // new sizes share. Returns false, changing nothing, when the size is beyond
    // kMaxMapCells or the new arrays cannot be allocated.
    bool ResizeMap(int32_t newWidth, int32_t newHeight);

    // Installs a complete map read from a file: the size and the three layers, each with
    // exactly CountsForSize(width, height) cells in row-major order. Returns false,
    // changing nothing, when a layer has the wrong length, the size is beyond
    // kMaxMapCells or memory runs out.
    bool ReplaceCells(int32_t width, int32_t height, const std::vector<MapCell>& layer1,
                      const std::vector<MapCell>& layer2, const std::vector<MapCell>& layer0);

    // Empty layers of the given size in place of the current ones. False, changing nothing,
    // when the size is beyond kMaxMapCells or memory runs out.
    bool MakeEmpty(int32_t width, int32_t height);

    // Exchanges size and layers with another map, without copying a cell.
    void Swap(MapModel& other);

    // The array of layer 0, 1 or 2 (CellCount() cells, index row * cellsX + column);
    // null for any other layer number, or when the arrays could not be made at all.
    MapCell* Layer(int layer);
    const MapCell* Layer(int layer) const;

    // True when all three layer arrays exist.
    bool HasLayers() const {
        return layer1Cells != nullptr && layer2Cells != nullptr && layer0Cells != nullptr;
    }

private:
    // Owned, CellCount() cells each; declared (and walked) in the order 1, 2, 0.
    MapCell* layer1Cells = nullptr;
    MapCell* layer2Cells = nullptr;
    MapCell* layer0Cells = nullptr;
    // The counts the arrays were made for; kept beside the size so that no index can
    // leave the arrays even if the size fields were written directly.
    MapCellCounts counts;

    void Install(int32_t width, int32_t height, MapCellCounts newCounts, MapCell* new1,
                 MapCell* new2, MapCell* new0);
};
