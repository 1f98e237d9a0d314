// Reading the program's pictures from BMP files without GDI, for the native map tool and the
// tests: the same 16-bit 5-5-5 pixels the editor gets when GDI loads its bitmap resources.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "render/core/PixelSurface.h"

struct BmpReadResult {
    std::unique_ptr<MemorySurface> surface;  // null when the file was refused
    std::string error;                       // why, in English, when refused
};

// Reads an uncompressed 24- or 32-bit BMP (a 40-byte info header or a later, longer one;
// 32-bit also with the standard bit-field masks), stored bottom-up or top-down. Every channel
// keeps its top 5 bits, as GDI's conversion to a 16-bit surface does; a 32-bit picture's
// fourth byte is ignored. Anything else, and every size, offset or length that does not fit
// the bytes given, is refused; nothing outside data[0, size) is read. The surface's colour
// key is left at its default: the caller sets the key it draws with.
BmpReadResult ReadBmpImage(const uint8_t* data, size_t size);
