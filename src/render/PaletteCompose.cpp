#include "render/PaletteCompose.h"

#include "render/Blit.h"

bool ComposePalette(PixelSurface& workSurface, const PixelSurface& chipSheet) {
    return ClearThenBlitKeyed(workSurface, chipSheet, chipSheet.width, chipSheet.height);
}
