#include "render/core/PixelSurface.h"

#include <cstring>
#include <new>

PixelSurface::~PixelSurface() { DetachPixels(); }

void PixelSurface::Clear() {
    if (!HasSurface()) return;
    std::memset(pixels, 0, static_cast<size_t>(pitch) * static_cast<size_t>(height));
}

bool PixelSurface::AttachPixels(uint8_t* memory, int32_t newWidth, int32_t newHeight) {
    DetachPixels();
    if (memory == nullptr || newWidth <= 0 || newHeight <= 0) return false;
    int32_t* table = new (std::nothrow) int32_t[static_cast<size_t>(newHeight)];
    if (table == nullptr) return false;
    const int32_t newPitch = PitchFor(newWidth);
    for (int32_t i = 0; i < newHeight; ++i) table[i] = i * newPitch;
    pixels = memory;
    width = newWidth;
    height = newHeight;
    pitch = newPitch;
    rowOffsets = table;
    return true;
}

void PixelSurface::DetachPixels() {
    delete[] rowOffsets;
    rowOffsets = nullptr;
    pixels = nullptr;
}

MemorySurface::MemorySurface(int32_t newWidth, int32_t newHeight) {
    if (newWidth <= 0 || newHeight <= 0 || newWidth > 65536 || newHeight > 65536) return;
    const size_t bytes = static_cast<size_t>(PitchFor(newWidth)) * static_cast<size_t>(newHeight);
    storage = new (std::nothrow) uint8_t[bytes]();
    if (storage == nullptr || !AttachPixels(storage, newWidth, newHeight)) {
        delete[] storage;
        storage = nullptr;
    }
}

MemorySurface::~MemorySurface() {
    DetachPixels();
    delete[] storage;
}
