#include "PngEncode.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>
#include <unordered_set>

// stb reports a failed allocation by asserting (a no-op in release builds) and then writing
// through the null pointer. Its allocations go through these instead: a failure throws, and
// every block still held is freed by EncodePng, so running out of memory is an error message.
namespace stb_memory {

thread_local std::unordered_set<void*>* live = nullptr;

void Track(void* block) {
    try {
        live->insert(block);
    } catch (...) {
        std::free(block);
        throw;
    }
}

void* Allocate(size_t size) {
    void* block = std::malloc(size);
    if (block == nullptr) throw std::bad_alloc();
    Track(block);
    return block;
}

void* Reallocate(void* old, size_t size) {
    void* block = std::realloc(old, size);
    if (block == nullptr) throw std::bad_alloc();  // `old` is still held and still tracked
    if (old != nullptr) live->erase(old);
    Track(block);
    return block;
}

void Release(void* block) {
    if (block == nullptr) return;
    live->erase(block);
    std::free(block);
}

}  // namespace stb_memory

// The only translation unit with stb_image_write's code; static, so it never clashes with
// another copy, and without its file functions, which this program does not use.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#define STBIW_MALLOC(size) stb_memory::Allocate(size)
#define STBIW_REALLOC(block, size) stb_memory::Reallocate(block, size)
#define STBIW_FREE(block) stb_memory::Release(block)
#include "stb_image_write.h"

namespace {

void AppendBytes(void* context, void* data, int size) {
    auto* png = static_cast<std::vector<uint8_t>*>(context);
    const auto* bytes = static_cast<const uint8_t*>(data);
    png->insert(png->end(), bytes, bytes + size);
}

}  // namespace

bool EncodePng(uint32_t width, uint32_t height, const PngRowSource& rows, std::vector<uint8_t>& png,
               std::string& error) {
    png.clear();
    // stb counts in int: the filtered picture ((3 width + 1) x height bytes) and its
    // compressed form (at most 9/8 of that) must fit.
    const uint64_t filtered = (uint64_t{width} * 3 + 1) * height;
    if (width == 0 || height == 0 || filtered > INT_MAX / 9 * 8) {
        error = "a picture of " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels is beyond what the PNG encoder takes";
        return false;
    }
    const size_t stride = size_t{width} * 3;
    std::unordered_set<void*> held;
    stb_memory::live = &held;
    bool ok = false;
    try {
        std::vector<uint8_t> pixels(stride * height);
        for (uint32_t y = 0; y < height; ++y) std::memcpy(&pixels[y * stride], rows(y), stride);
        ok = stbi_write_png_to_func(AppendBytes, &png, static_cast<int>(width),
                                    static_cast<int>(height), 3, pixels.data(),
                                    static_cast<int>(stride)) != 0;
        if (!ok) error = "the PNG encoder failed";
    } catch (const std::bad_alloc&) {
        error = "out of memory";
    }
    for (void* block : held) std::free(block);
    stb_memory::live = nullptr;
    if (!ok) png.clear();
    return ok;
}
