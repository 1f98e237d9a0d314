// libFuzzer target: the text map reader on arbitrary text, its echo's shape, and a round
// trip through the map data file writer for every map it accepts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TextMapDefaults defaults{640, 480, 320, 240};
    std::string echo;
    const MapReadResult read =
        ReadTextMap(reinterpret_cast<const char*>(data), size, defaults, &echo);
    if (!read.ok) {
        CheckRefusal(read, size);
        FuzzAssert(echo.empty());
        return 0;
    }
    const MapDocument& doc = read.document;
    // One value and a space per cell and layer; a line per map row of each layer.
    const size_t cells = doc.CellCount();
    FuzzAssert(static_cast<size_t>(std::count(echo.begin(), echo.end(), ' ')) == 3 * cells);
    FuzzAssert(static_cast<size_t>(std::count(echo.begin(), echo.end(), '\n')) ==
               3 * size_t{doc.CellsY()} - 1);
    FuzzAssert(!echo.empty() && echo.back() == ' ');
    CheckAcceptedDocument(doc);
    return 0;
}
