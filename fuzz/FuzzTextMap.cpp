// libFuzzer target: the text map reader on arbitrary text, its echo's shape, that an accepted
// map used every number it needed and says so in its report, and a round trip through the map
// data file writer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Whether the text begins with at least `count` words that are each a sign and digits,
// counted without the reader's own code.
bool StartsWithNumbers(const char* text, size_t size, size_t count) {
    size_t pos = 0;
    for (size_t n = 0; n < count; ++n) {
        while (pos < size && IsBlank(text[pos])) ++pos;
        size_t end = pos;
        while (end < size && !IsBlank(text[end])) ++end;
        size_t digits = pos < end && (text[pos] == '+' || text[pos] == '-') ? pos + 1 : pos;
        if (digits == end) return false;
        for (; digits < end; ++digits)
            if (text[digits] < '0' || text[digits] > '9') return false;
        pos = end;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    std::string echo;
    const MapReadResult read = ReadTextMap(text, size, &echo);
    if (!read.ok) {
        CheckRefusal(read, size);
        FuzzAssert(echo.empty());
        return 0;
    }
    const MapDocument& doc = read.document;
    const size_t cells = doc.CellCount();
    FuzzAssert(StartsWithNumbers(text, size, 3 * cells + 4));
    FuzzAssert(read.textMap.numbersRead == 3 * cells + 4);
    FuzzAssert(read.textMap.endOffset + read.textMap.bytesAfter == size);
    // One value and a space per cell and layer; a line per map row of each layer.
    FuzzAssert(static_cast<size_t>(std::count(echo.begin(), echo.end(), ' ')) == 3 * cells);
    FuzzAssert(static_cast<size_t>(std::count(echo.begin(), echo.end(), '\n')) ==
               3 * size_t{doc.CellsY()} - 1);
    FuzzAssert(!echo.empty() && echo.back() == ' ');
    CheckAcceptedDocument(doc);
    return 0;
}
