// A 16-bit off-screen surface that both the program (through its pixel memory) and GDI
// (through a memory device context that stays attached) can draw into.
#pragma once
#include <windows.h>

#include <cstdint>

#include "render/core/PixelSurface.h"

// Names a bitmap resource, so that a resource texture is never mistaken for a blank one.
struct BitmapResourceId {
    int value;
};

class Texture : public PixelSurface {
public:
    HBITMAP bitmap = nullptr;  // the DIB section holding the pixels
    HDC memoryDC = nullptr;    // has bitmap selected for the texture's whole life

    // Loads bitmap resource resourceId of the program's module; prints "file load ok"
    // when it loads. A resource that cannot be loaded leaves the texture empty.
    Texture(BitmapResourceId resource, uint16_t key);
    // A blank (black) surface of the given size.
    Texture(int32_t newWidth, int32_t newHeight);
    ~Texture() override;

    // Makes the DIB section, the device context and the row table. A surface the
    // system refuses leaves the texture empty, so nothing is ever drawn into it.
    void CreateSurface(int32_t newWidth, int32_t newHeight);
    bool LoadBitmapResource(int resourceId);
    void Release();
};

// A solid line through GDI, clipped to the texture; only the low bytes of the colour count.
void DrawLine(Texture& texture, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t penWidth,
              int32_t red, int32_t green, int32_t blue);
