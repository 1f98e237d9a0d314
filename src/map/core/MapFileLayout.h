// The layout of a map data file (.bin), shared by its reader and writer. All integers are
// 32-bit two's complement, little-endian. N is the map's cell count.
//   0          12 N + 68 (offset of the comment length; written, never read back)
//   4, 8       width, height in pixels
//   12         N layer-2 ids, then N layer-1 ids, then N layer-0 ids
//   12 + 12 N  start x, start y (2400, 2400 when not specified)
//   20 + 12 N  target time, time limit, background image, music
//   36 + 12 N  reserved block: count of layer-0 cells holding chip 100, 28 zero bytes
//   68 + 12 N  comment length L (0 to 256), then L comment bytes, no terminator
#pragma once
#include <cstddef>
#include <cstdint>

namespace mapfile {

constexpr size_t kHeaderBytes = 12;           // offset field, width, height
constexpr size_t kStageBytes = 4 * 4;         // the four stage numbers
constexpr size_t kReservedBytes = 32;
constexpr size_t kFixedBytes = 72;            // file size of a map without cells or comment
constexpr size_t kBytesPerCell = 12;          // one id in each of the three layers
constexpr int32_t kMaxCommentBytes = 256;
constexpr int32_t kUnspecifiedStart = 2400;   // what the writer stores for "not specified"
constexpr int32_t kUnspecifiedMarker = 999;   // either coordinate at 999 also means it
constexpr uint32_t kCountedChipId = 100;      // the reserved block counts this layer-0 chip

// Offset of the comment length field for N cells.
constexpr size_t CommentLengthOffset(size_t cells) { return kBytesPerCell * cells + 68; }

}  // namespace mapfile
