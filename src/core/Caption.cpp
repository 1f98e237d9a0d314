#include "core/Caption.h"

#include <cstring>

#include "core/ShiftJis.h"

void FormatCaption(char* out, size_t capacity, const char* title, const char* path) {
    if (capacity == 0) return;
    size_t used = 0;
    auto append = [&](const char* text, size_t length) {
        const size_t room = capacity - 1 - used;
        const size_t count = ShiftJisKeepLength(text, length, room);
        std::memcpy(out + used, text, count);
        used += count;
    };
    append(title, std::strlen(title));
    append(" [", 2);
    // Leave room for the closing bracket so a cut path still reads as a bracketed name.
    const size_t pathRoom = capacity - 1 - used > 0 ? capacity - 1 - used - 1 : 0;
    append(path, ShiftJisKeepLength(path, std::strlen(path), pathRoom));
    append("]", 1);
    out[used] = '\0';
}
