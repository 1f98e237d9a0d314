// libFuzzer target: the recovery copy's reader on arbitrary bytes, then on the same bytes
// sealed with a right check value, so that what lies behind the check is reached too. A
// refusal says why and where; an accepted copy holds a path and a consistent map, and comes
// back through the writer as it was read.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "core/Crc32.h"
#include "map/core/RecoveryFile.h"

namespace {

void CheckRead(const std::vector<uint8_t>& bytes) {
    const RecoveryReadResult read = ReadRecoveryFile(bytes.data(), bytes.size());
    if (!read.ok) {
        FuzzAssert(read.error.code != MapReadErrorCode::kNone);
        FuzzAssert(read.error.offset <= bytes.size());
        FuzzAssert(!read.error.description.empty() && !read.error.messageSjis.empty());
        return;
    }
    FuzzAssert(!read.mapPath.empty() && read.mapPath.size() <= kMaxRecoveryPathBytes);
    CheckAcceptedDocument(read.document);
    const std::vector<uint8_t> again = WriteRecoveryFile(read.mapPath, read.document);
    const RecoveryReadResult reread = ReadRecoveryFile(again.data(), again.size());
    FuzzAssert(reread.ok && reread.mapPath == read.mapPath);
    FuzzAssert(reread.document == AsWritten(read.document));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> bytes(data, data + size);
    CheckRead(bytes);
    const uint32_t check = Crc32(bytes.data(), bytes.size());
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(check >> shift));
    CheckRead(bytes);
    return 0;
}
