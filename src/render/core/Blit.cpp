#include "render/core/Blit.h"

#include <algorithm>
#include <cstring>

#include "core/IntegerMath.h"
#include "render/core/KeyedPixels.h"

bool ClipBlit(const PixelSurface& destination, const PixelSurface& source, int32_t& dstX,
              int32_t& dstY, int32_t& srcLeft, int32_t& srcTop, int32_t& srcRight,
              int32_t& srcBottom) {
    if (srcRight < srcLeft || srcBottom < srcTop) return false;
    // 64-bit arithmetic: the sums below must not wrap for coordinates far outside.
    int64_t left = srcLeft, top = srcTop, right = srcRight, bottom = srcBottom;
    int64_t x = dstX, y = dstY;
    right = std::min<int64_t>(right, source.width);
    bottom = std::min<int64_t>(bottom, source.height);
    if (x + (right - left) > destination.width) right = left - x + destination.width;
    if (y + (bottom - top) > destination.height) bottom = top - y + destination.height;
    if (x < 0) {
        left -= x;
        x = 0;
    }
    if (y < 0) {
        top -= y;
        y = 0;
    }
    // The inputs are 32-bit and the clip only moves them towards the surfaces' edges, so only
    // absurd inputs ever need the clamp.
    dstX = ClampToInt32(x);
    dstY = ClampToInt32(y);
    srcLeft = ClampToInt32(left);
    srcTop = ClampToInt32(top);
    srcRight = ClampToInt32(right);
    srcBottom = ClampToInt32(bottom);
    return true;
}

namespace {

// The keyed copy of rows already clipped: `Width` pixels each when it is not 0, else `count`.
template <int32_t Width>
void KeyedRows(PixelSurface& destination, int32_t dstX, int32_t dstY, const PixelSurface& source,
               int32_t srcLeft, int32_t srcTop, int32_t srcBottom, int32_t count) {
    const uint16_t key = source.colorKey;
    if constexpr (Width != 0) {
        KeyedRowsOfWidth<Width>(reinterpret_cast<uint8_t*>(destination.Row(dstY) + dstX), destination.pitch,
                                reinterpret_cast<const uint8_t*>(source.Row(srcTop) + srcLeft), source.pitch,
                                srcBottom - srcTop, key);
        return;
    }
    for (int32_t y = srcTop; y < srcBottom; ++y) {
        const uint16_t* from = source.Row(y) + srcLeft;
        uint16_t* to = destination.Row(dstY + (y - srcTop)) + dstX;
        // Written as a select rather than a branch so the loop vectorises.
        for (int32_t i = 0; i < count; ++i) {
            const uint16_t pixel = from[i];
            to[i] = pixel != key ? pixel : to[i];
        }
    }
}

}  // namespace

void BlitKeyed(PixelSurface& destination, int32_t dstX, int32_t dstY, const PixelSurface& source,
               int32_t srcLeft, int32_t srcTop, int32_t srcRight, int32_t srcBottom) {
    if (!destination.HasSurface() || !source.HasSurface()) return;
    // Nobody passes a negative source corner; should one come, it is cut off like any
    // other part of the rectangle that lies outside the source.
    if (srcLeft < 0) {
        dstX = ClampToInt32(int64_t{dstX} - srcLeft);
        srcLeft = 0;
    }
    if (srcTop < 0) {
        dstY = ClampToInt32(int64_t{dstY} - srcTop);
        srcTop = 0;
    }
    if (!ClipBlit(destination, source, dstX, dstY, srcLeft, srcTop, srcRight, srcBottom)) return;
    if (srcLeft >= srcRight || srcTop >= srcBottom) return;

    BlitKeyedInside(destination, dstX, dstY, source, srcLeft, srcTop, srcRight - srcLeft, srcBottom - srcTop);
}

void BlitKeyedInside(PixelSurface& destination, int32_t dstX, int32_t dstY, const PixelSurface& source,
                     int32_t srcLeft, int32_t srcTop, int32_t width, int32_t height) {
    const int32_t srcBottom = srcTop + height;
    // The chips' widths get a loop of their own that the compiler unrolls: the zoomed-out
    // view draws thousands of chips 10 or 20 pixels wide, where a loop's own cost would show.
    switch (width) {
    case 10: KeyedRows<10>(destination, dstX, dstY, source, srcLeft, srcTop, srcBottom, width); break;
    case 20: KeyedRows<20>(destination, dstX, dstY, source, srcLeft, srcTop, srcBottom, width); break;
    case 40: KeyedRows<40>(destination, dstX, dstY, source, srcLeft, srcTop, srcBottom, width); break;
    case 80: KeyedRows<80>(destination, dstX, dstY, source, srcLeft, srcTop, srcBottom, width); break;
    default: KeyedRows<0>(destination, dstX, dstY, source, srcLeft, srcTop, srcBottom, width); break;
    }
}

bool ClearThenBlitKeyed(PixelSurface& destination, const PixelSurface& source, int32_t srcRight,
                        int32_t srcBottom) {
    destination.Clear();
    int32_t dstX = 0, dstY = 0, srcLeft = 0, srcTop = 0;
    if (!ClipBlit(destination, source, dstX, dstY, srcLeft, srcTop, srcRight, srcBottom)) return false;
    if (source.colorKey == 0 && destination.HasSurface() && source.HasSurface() &&
        srcLeft < srcRight && srcTop < srcBottom) {
        // The destination was just cleared to 0, so skipping a key pixel of 0 and copying
        // it give the same picture; a plain row copy is the faster way to that picture.
        const size_t bytes = static_cast<size_t>(srcRight - srcLeft) * sizeof(uint16_t);
        for (int32_t y = srcTop; y < srcBottom; ++y)
            std::memcpy(destination.Row(dstY + y - srcTop) + dstX, source.Row(y) + srcLeft, bytes);
        return true;
    }
    BlitKeyed(destination, dstX, dstY, source, srcLeft, srcTop, srcRight, srcBottom);
    return true;
}
