#include "render/PaletteCompose.h"

#include "render/Blit.h"

bool ComposePalette(PixelSurface& workSurface, const PixelSurface& chipSheet) {
    workSurface.Clear();
    int32_t dstX = 0, dstY = 0, srcLeft = 0, srcTop = 0;
    int32_t srcRight = chipSheet.width, srcBottom = chipSheet.height;
    if (!ClipBlit(workSurface, chipSheet, dstX, dstY, srcLeft, srcTop, srcRight, srcBottom)) {
        return false;
    }
    // BlitKeyed checks both surfaces and clips again; the clipped rectangle is unchanged.
    BlitKeyed(workSurface, dstX, dstY, chipSheet, srcLeft, srcTop, srcRight, srcBottom);
    return true;
}
