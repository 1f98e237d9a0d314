// Copying rectangles of pixels between surfaces.
#pragma once
#include <cstdint>

#include "render/core/PixelSurface.h"

// Clips the source rectangle [srcLeft, srcRight) x [srcTop, srcBottom), which lands with
// its top-left pixel on (dstX, dstY), against the source's right and bottom edges and
// against the whole destination; the six values are rewritten in place. Returns false,
// changing nothing, only when the rectangle is inverted on entry. After a true result the
// rectangle may be empty or inverted, which means there is nothing to copy.
bool ClipBlit(const PixelSurface& destination, const PixelSurface& source, int32_t& dstX,
              int32_t& dstY, int32_t& srcLeft, int32_t& srcTop, int32_t& srcRight,
              int32_t& srcBottom);

// Copies a rectangle of source pixels to (dstX, dstY), leaving the destination pixel
// unchanged wherever the source pixel equals the source's colorKey. Clipped first.
void BlitKeyed(PixelSurface& destination, int32_t dstX, int32_t dstY, const PixelSurface& source,
               int32_t srcLeft, int32_t srcTop, int32_t srcRight, int32_t srcBottom);

// BlitKeyed for a rectangle the caller has found inside both surfaces, without clipping: the
// zoomed-out view draws thousands of small chips, where the clipping's own cost would show.
void BlitKeyedInside(PixelSurface& destination, int32_t dstX, int32_t dstY, const PixelSurface& source,
                     int32_t srcLeft, int32_t srcTop, int32_t width, int32_t height);

// Clears the destination to black, then copies the source rectangle (0, 0)-(srcRight,
// srcBottom) to (0, 0) by the keyed rule. Returns ClipBlit's result: false, copying
// nothing, for an inverted rectangle.
bool ClearThenBlitKeyed(PixelSurface& destination, const PixelSurface& source, int32_t srcRight,
                        int32_t srcBottom);
