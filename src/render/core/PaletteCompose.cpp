#include "render/core/PaletteCompose.h"

#include "render/core/Blit.h"

bool ComposePalette(PixelSurface& workSurface, const PixelSurface& chipSheet) {
    return ClearThenBlitKeyed(workSurface, chipSheet, chipSheet.width, chipSheet.height);
}
