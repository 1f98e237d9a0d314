#include "render/PaletteCompose.h"

#include <cstring>

#include "render/Blit.h"

bool ComposePalette(PixelSurface& workSurface, const PixelSurface& chipSheet) {
    workSurface.Clear();
    int32_t dstX = 0, dstY = 0, srcLeft = 0, srcTop = 0;
    int32_t srcRight = chipSheet.width, srcBottom = chipSheet.height;
    if (!ClipBlit(workSurface, chipSheet, dstX, dstY, srcLeft, srcTop, srcRight, srcBottom)) {
        return false;
    }
    if (chipSheet.colorKey == 0 && workSurface.HasSurface() && chipSheet.HasSurface() &&
        srcLeft < srcRight && srcTop < srcBottom) {
        // The surface was just cleared to 0, so skipping a key pixel of 0 and copying it
        // give the same picture; a plain row copy is the faster way to that picture.
        const size_t bytes = static_cast<size_t>(srcRight - srcLeft) * sizeof(uint16_t);
        for (int32_t y = srcTop; y < srcBottom; ++y)
            std::memcpy(workSurface.Row(dstY + y - srcTop) + dstX, chipSheet.Row(y) + srcLeft, bytes);
        return true;
    }
    // BlitKeyed checks both surfaces and clips again; the clipped rectangle is unchanged.
    BlitKeyed(workSurface, dstX, dstY, chipSheet, srcLeft, srcTop, srcRight, srcBottom);
    return true;
}
