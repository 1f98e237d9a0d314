// libFuzzer target: the map data file reader on arbitrary bytes, that an accepted file's report
// accounts for all of them, then a round trip through the writer for every file it accepts.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const MapReadResult read = ReadBinaryMap(data, size);
    if (read.ok) {
        // The report accounts for every byte: the comment length read, then what follows.
        const size_t cells = read.document.CellCount();
        FuzzAssert(read.dataFile.commentLength == static_cast<int32_t>(read.document.comment.size()));
        FuzzAssert(72 + 12 * cells + read.document.comment.size() + read.dataFile.bytesAfterComment ==
                   size);
        CheckAcceptedDocument(read.document);
    } else {
        CheckRefusal(read, size);
    }
    return 0;
}
