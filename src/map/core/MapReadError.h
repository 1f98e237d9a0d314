// Why a map file was refused, for a message box (Shift_JIS) and for logs (English).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

enum class MapReadErrorCode {
    kNone,
    kTruncated,              // the file ends before a field it must hold
    kBadSize,                // width x height gives no cell or more than kMaxMapCells
    kNegativeCommentLength,  // the comment length field is below 0
    kCommentTooLong,         // the comment length field is above 256
    kNotANumber,             // text maps: a word where a number belongs is not one
    kNotRecoveryCopy,        // recovery copies: not one, or one of a format this program lacks
    kRecoveryCopyDamaged,    // recovery copies: its parts disagree or its check value fails
};

struct MapReadError {
    MapReadErrorCode code = MapReadErrorCode::kNone;
    size_t offset = 0;        // byte offset of the field at fault
    int32_t line = 0;         // text maps: 1-based line of that field; 0 for map data files
    std::string description;  // short English text, e.g. for the command-line tool
    std::string messageSjis;  // Shift_JIS text for the editor's message box
};

// Fills both texts: `english` names the field; the Japanese text gives the reason and the
// offset, after the line for text maps (line > 0).
MapReadError MakeMapReadError(MapReadErrorCode code, size_t offset, int32_t line,
                              const std::string& english);

// Where the reader stopped, as the tool prints it: "line L, offset O" for text maps, else
// "offset O".
std::string MapReadErrorPlace(const MapReadError& error);
