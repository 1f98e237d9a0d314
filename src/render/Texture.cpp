#include "render/Texture.h"

#include <cstdio>
#include <cstring>

#include "core/Texts.h"

Texture::Texture(BitmapResourceId resource, uint16_t key) {
    colorKey = key;
    if (LoadBitmapResource(resource.value)) {
        std::printf("%s\n", texts::kFileLoadOk);
        std::fflush(stdout);
    }
}

Texture::Texture(int32_t newWidth, int32_t newHeight) {
    colorKey = 0xFFFF;
    CreateSurface(newWidth, newHeight);
}

Texture::~Texture() { Release(); }

void Texture::CreateSurface(int32_t newWidth, int32_t newHeight) {
    if (newWidth <= 0 || newHeight <= 0) return;
    BITMAPINFO info;
    std::memset(&info, 0, sizeof(info));
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = newWidth;
    info.bmiHeader.biHeight = -newHeight;  // negative: rows top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 16;
    info.bmiHeader.biCompression = BI_RGB;

    void* memory = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    if (section == nullptr || memory == nullptr) {
        if (section != nullptr) DeleteObject(section);
        return;
    }
    std::memset(memory, 0, static_cast<size_t>(PitchFor(newWidth)) * static_cast<size_t>(newHeight));

    HDC screen = GetDC(nullptr);
    HDC context = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (context == nullptr || !AttachPixels(static_cast<uint8_t*>(memory), newWidth, newHeight)) {
        if (context != nullptr) DeleteDC(context);
        DeleteObject(section);
        return;
    }
    SelectObject(context, section);
    bitmap = section;
    memoryDC = context;
}

bool Texture::LoadBitmapResource(int resourceId) {
    HANDLE loaded = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (loaded == nullptr) return false;
    HBITMAP source = static_cast<HBITMAP>(loaded);
    BITMAP record;
    std::memset(&record, 0, sizeof(record));
    GetObjectW(source, sizeof(record), &record);

    CreateSurface(record.bmWidth, record.bmHeight);
    if (!HasSurface()) {
        DeleteObject(source);
        return false;
    }
    // GDI converts the resource's pixels to the 16-bit format during the copy.
    HDC temporary = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(temporary, source);
    BitBlt(memoryDC, 0, 0, record.bmWidth, record.bmHeight, temporary, 0, 0, SRCCOPY);
    GdiFlush();
    SelectObject(temporary, previous);
    DeleteDC(temporary);
    DeleteObject(source);
    return true;
}

void Texture::Release() {
    DetachPixels();
    if (memoryDC != nullptr) DeleteDC(memoryDC);
    if (bitmap != nullptr) DeleteObject(bitmap);
    memoryDC = nullptr;
    bitmap = nullptr;
    width = height = pitch = -1;
}
