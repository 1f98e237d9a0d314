#include "render/Texture.h"

void DrawLine(Texture& texture, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t penWidth,
              int32_t red, int32_t green, int32_t blue) {
    if (texture.memoryDC == nullptr) return;
    HPEN pen = CreatePen(PS_SOLID, penWidth, RGB(red & 0xFF, green & 0xFF, blue & 0xFF));
    HGDIOBJ previous = SelectObject(texture.memoryDC, pen);
    MoveToEx(texture.memoryDC, x1, y1, nullptr);
    LineTo(texture.memoryDC, x2, y2);
    SelectObject(texture.memoryDC, previous);
    DeleteObject(pen);
    // The program reads and writes the pixels directly next; GDI must be done with them.
    GdiFlush();
}
