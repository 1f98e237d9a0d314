#include "PngTestSupport.h"

#include <cstring>

// The tests' only copy of stb_image's code: PNG only, from memory.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include "stb_image.h"

namespace tool_test {

bool DecodeRgbPng(const std::vector<uint8_t>& png, uint32_t width, uint32_t height,
                  std::vector<uint8_t>& pixels) {
    int w = 0, h = 0, channels = 0;
    stbi_uc* data = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &w, &h,
                                          &channels, 3);
    if (data == nullptr) return false;
    const bool ok = channels == 3 && w == static_cast<int>(width) && h == static_cast<int>(height);
    if (ok) pixels.assign(data, data + size_t{width} * height * 3);
    stbi_image_free(data);
    return ok;
}

}  // namespace tool_test
