// Composing a palette's picture: the whole chip sheet copied into the palette's work
// surface, with the sheet's key colour left black.
#pragma once

#include "render/core/PixelSurface.h"

// Clears every pixel of workSurface to 0, clips the whole sheet to it with ClipBlit and
// copies the clipped rectangle by the BlitKeyed rule, so key-coloured sheet pixels stay 0.
// Returns ClipBlit's result; the caller reports a false one. A sheet without pixels
// (width and height -1) gives false and copies nothing; a work surface without pixels is
// left alone and the result is ClipBlit's (true for any real sheet).
bool ComposePalette(PixelSurface& workSurface, const PixelSurface& chipSheet);
