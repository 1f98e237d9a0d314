#include "map/core/MapModel.h"

#include <algorithm>
#include <cstdlib>
#include <type_traits>

// Every layer array must be addressable in size_t without wrapping.
static_assert(MapModel::kMaxMapCells <= SIZE_MAX / (3 * sizeof(MapCell)),
              "kMaxMapCells must fit in size_t");

namespace {

uint32_t CellsFor(int32_t pixels) {
    // A negative size taken unsigned would mean hundreds of millions of cells; a map file
    // is the only source of such a size, and no cell can lie in it.
    return pixels > 0 ? static_cast<uint32_t>(pixels) / static_cast<uint32_t>(kCellSize) : 0;
}

// All-zero bytes are an empty cell, so calloc makes empty layers; the system hands out large
// ones as untouched zero pages, which an emptied large map then costs nothing to make.
static_assert(std::is_trivially_copyable<MapCell>::value, "layers are calloc'd and freed");

MapCell* AllocateLayer(size_t cells) {
    // calloc(0) may give null; an empty map still has (empty) layers.
    return static_cast<MapCell*>(std::calloc(cells > 0 ? cells : 1, sizeof(MapCell)));
}

// Three arrays of one length, all cells {0, 0, 0}; all three or none.
bool AllocateLayers(size_t cells, MapCell*& layer1, MapCell*& layer2, MapCell*& layer0) {
    layer1 = AllocateLayer(cells);
    layer2 = AllocateLayer(cells);
    layer0 = AllocateLayer(cells);
    if (layer1 != nullptr && layer2 != nullptr && layer0 != nullptr) return true;
    std::free(layer1);
    std::free(layer2);
    std::free(layer0);
    layer1 = layer2 = layer0 = nullptr;
    return false;
}

}  // namespace

MapModel::MapModel() {
    MapCellCounts initial;
    CountsForSize(mapWidth, mapHeight, initial);
    MapCell *new1, *new2, *new0;
    // Should even 192 cells be refused, the model keeps no cells at all (0 x 0), so that
    // nothing indexes a missing array; the map view draws nothing then.
    if (AllocateLayers(size_t{initial.cellsX} * initial.cellsY, new1, new2, new0)) {
        Install(mapWidth, mapHeight, initial, new1, new2, new0);
    }
}

MapModel::~MapModel() {
    std::free(layer1Cells);
    std::free(layer2Cells);
    std::free(layer0Cells);
}

bool MapModel::CountsForSize(int32_t width, int32_t height, MapCellCounts& result) {
    const MapCellCounts candidate{CellsFor(width), CellsFor(height)};
    // Both counts are below 2^26, so the product cannot wrap in 64 bits.
    if (uint64_t{candidate.cellsX} * candidate.cellsY > kMaxMapCells) return false;
    result = candidate;
    return true;
}

void MapModel::ClearMap() {
    for (MapCell* layer : {layer1Cells, layer2Cells, layer0Cells}) {
        if (layer != nullptr) std::fill_n(layer, CellCount(), MapCell{});
    }
}

bool MapModel::ResizeMap(int32_t newWidth, int32_t newHeight) {
    MapCellCounts newCounts;
    if (!CountsForSize(newWidth, newHeight, newCounts)) return false;
    MapCell *new1, *new2, *new0;
    // The old arrays stay untouched until all three new ones exist.
    if (!AllocateLayers(size_t{newCounts.cellsX} * newCounts.cellsY, new1, new2, new0)) {
        return false;
    }
    const size_t rows = std::min(counts.cellsY, newCounts.cellsY);
    const size_t columns = std::min(counts.cellsX, newCounts.cellsX);
    const MapCell* oldLayers[] = {layer1Cells, layer2Cells, layer0Cells};
    MapCell* newLayers[] = {new1, new2, new0};
    for (int k = 0; k < 3; ++k) {
        if (oldLayers[k] == nullptr) continue;
        for (size_t r = 0; r < rows; ++r) {
            std::copy_n(oldLayers[k] + r * counts.cellsX, columns,
                        newLayers[k] + r * newCounts.cellsX);
        }
    }
    Install(newWidth, newHeight, newCounts, new1, new2, new0);
    return true;
}

bool MapModel::ReplaceCells(int32_t width, int32_t height, const std::vector<MapCell>& layer1,
                            const std::vector<MapCell>& layer2,
                            const std::vector<MapCell>& layer0) {
    MapCellCounts newCounts;
    if (!CountsForSize(width, height, newCounts)) return false;
    const size_t cells = size_t{newCounts.cellsX} * newCounts.cellsY;
    if (layer1.size() != cells || layer2.size() != cells || layer0.size() != cells) {
        return false;
    }
    MapCell *new1, *new2, *new0;
    if (!AllocateLayers(cells, new1, new2, new0)) return false;
    std::copy(layer1.begin(), layer1.end(), new1);
    std::copy(layer2.begin(), layer2.end(), new2);
    std::copy(layer0.begin(), layer0.end(), new0);
    Install(width, height, newCounts, new1, new2, new0);
    return true;
}

MapCell* MapModel::Layer(int layer) {
    switch (layer) {
        case 0: return layer0Cells;
        case 1: return layer1Cells;
        case 2: return layer2Cells;
        default: return nullptr;
    }
}

const MapCell* MapModel::Layer(int layer) const {
    return const_cast<MapModel*>(this)->Layer(layer);
}

bool MapModel::MakeEmpty(int32_t width, int32_t height) {
    MapCellCounts newCounts;
    if (!CountsForSize(width, height, newCounts)) return false;
    MapCell *new1, *new2, *new0;
    if (!AllocateLayers(size_t{newCounts.cellsX} * newCounts.cellsY, new1, new2, new0)) return false;
    Install(width, height, newCounts, new1, new2, new0);
    return true;
}

void MapModel::Swap(MapModel& other) {
    std::swap(mapWidth, other.mapWidth);
    std::swap(mapHeight, other.mapHeight);
    std::swap(layer1Cells, other.layer1Cells);
    std::swap(layer2Cells, other.layer2Cells);
    std::swap(layer0Cells, other.layer0Cells);
    std::swap(counts, other.counts);
}

void MapModel::Install(int32_t width, int32_t height, MapCellCounts newCounts, MapCell* new1,
                       MapCell* new2, MapCell* new0) {
    std::free(layer1Cells);
    std::free(layer2Cells);
    std::free(layer0Cells);
    layer1Cells = new1;
    layer2Cells = new2;
    layer0Cells = new0;
    mapWidth = width;
    mapHeight = height;
    counts = newCounts;
}
