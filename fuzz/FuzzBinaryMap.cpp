// libFuzzer target: the map data file reader on arbitrary bytes, then a round trip through
// the writer for every file it accepts.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const MapReadResult read = ReadBinaryMap(data, size);
    if (read.ok) {
        CheckAcceptedDocument(read.document);
    } else {
        CheckRefusal(read, size);
    }
    return 0;
}
