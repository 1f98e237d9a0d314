// Cells and rectangles of cells as the editing tools name them: a column and a row, which may
// lie outside the map while the pointer does, and the rectangle between two cells.
#pragma once
#include <cstdint>

#include "map/core/MapModel.h"

struct CellPoint {
    int32_t column = 0;
    int32_t row = 0;
};

inline bool operator==(const CellPoint& a, const CellPoint& b) {
    return a.column == b.column && a.row == b.row;
}

// Columns left to right and rows top to bottom, both ends included.
struct CellRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = -1;
    int32_t bottom = -1;

    bool Empty() const { return right < left || bottom < top; }
};

// Every cell there can be, inside the map or not.
constexpr CellRect kEveryCell{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};

// True when the cell lies in the rectangle.
inline bool Contains(const CellRect& rect, CellPoint cell) {
    return cell.column >= rect.left && cell.column <= rect.right && cell.row >= rect.top &&
           cell.row <= rect.bottom;
}

// The cells both rectangles hold; Empty() when they share none.
inline CellRect Intersection(const CellRect& a, const CellRect& b) {
    return CellRect{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                    a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
}

inline bool operator==(const CellRect& a, const CellRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The rectangle with corners a and b, whichever way the drag went.
CellRect RectBetween(CellPoint a, CellPoint b);

// The part of the rectangle inside the map; Empty() when none is.
CellRect ClipToMap(const CellRect& rect, MapCellCounts counts);

// True when the cell lies in the map.
bool InMap(CellPoint cell, MapCellCounts counts);

// The cell's index in the layer arrays; the cell must lie in the map.
inline uint32_t IndexOf(CellPoint cell, MapCellCounts counts) {
    return static_cast<uint32_t>(cell.row) * counts.cellsX + static_cast<uint32_t>(cell.column);
}

// A large chip covers its cell and the cells right, below and below-right of it, so the
// tools lay them on every second column and row, counted from the cell the tool started at:
// they then tile without overlapping, whichever direction the pointer went.
inline bool OnLargeChipStride(int64_t at, int32_t origin) { return ((at - origin) & 1) == 0; }
inline bool OnLargeChipStride(CellPoint origin, CellPoint cell) {
    return OnLargeChipStride(cell.column, origin.column) && OnLargeChipStride(cell.row, origin.row);
}
