#include "core/ShiftJis.h"

size_t ShiftJisKeepLength(const char* text, size_t length, size_t maxBytes) {
    const size_t limit = length < maxBytes ? length : maxBytes;
    size_t kept = 0;
    while (kept < limit) {
        const size_t width = IsShiftJisLeadByte(static_cast<uint8_t>(text[kept])) ? 2 : 1;
        if (kept + width > limit) break;
        kept += width;
    }
    return kept;
}
