#include "PngEncode.h"

#include <png.h>

#include <cstring>

namespace {

// libpng reports errors by longjmp; everything it can jump over here is plain data, so no
// destructor is skipped. Output goes to a vector through this sink, which never throws into
// libpng: a failed allocation is remembered and reported at the end.
struct Sink {
    std::vector<uint8_t>* bytes;
    bool outOfMemory;
    char message[200];
};

void WriteBytes(png_structp png, png_bytep data, size_t length) {
    Sink* sink = static_cast<Sink*>(png_get_io_ptr(png));
    if (sink->outOfMemory) return;
    try {
        sink->bytes->insert(sink->bytes->end(), data, data + length);
    } catch (...) {
        sink->outOfMemory = true;
    }
}

void Flush(png_structp) {}

void OnError(png_structp png, png_const_charp message) {
    Sink* sink = static_cast<Sink*>(png_get_error_ptr(png));
    std::strncpy(sink->message, message, sizeof sink->message - 1);
    sink->message[sizeof sink->message - 1] = '\0';
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// All libpng calls, in a frame that holds nothing a longjmp could leave half-destroyed.
bool Encode(Sink& sink, uint32_t width, uint32_t height, const PngRowSource& rows) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, OnError, OnWarning);
    if (png == nullptr) {
        std::strcpy(sink.message, "cannot start libpng");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        std::strcpy(sink.message, "cannot start libpng");
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {  // reached again when libpng reports an error
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &sink, WriteBytes, Flush);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (uint32_t y = 0; y < height; ++y) png_write_row(png, rows(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool EncodePng(uint32_t width, uint32_t height, const PngRowSource& rows, std::vector<uint8_t>& png,
               std::string& error) {
    png.clear();
    Sink sink{&png, false, {}};
    const bool ok = Encode(sink, width, height, rows);
    if (ok && !sink.outOfMemory) return true;
    error = sink.outOfMemory ? "out of memory" : sink.message;
    png.clear();
    return false;
}
