#include "map/core/RecoveryFile.h"

#include <cstring>
#include <utility>

#include "core/Crc32.h"
#include "core/LittleEndian.h"
#include "core/Utf8Text.h"
#include "map/core/MapFileReader.h"
#include "map/core/MapFileWriter.h"

namespace {

constexpr uint8_t kMagic[8] = {'P', 'I', 'C', 'O', 'R', 'C', 'V', 0x1A};
constexpr size_t kVersionAt = 8;
constexpr size_t kPathLengthAt = 12;
constexpr size_t kPathAt = 16;

// A path the copy can carry: UTF-8, of a sensible length, without control characters, so that
// it reads back as the same path and shows in a message as it is.
bool IsCarriablePath(const std::string& path) {
    return path.size() <= kMaxRecoveryPathBytes && IsSingleLineUtf8(path);
}

void Append32(std::vector<uint8_t>& bytes, uint32_t value) {
    uint8_t field[4];
    little_endian::Store32(field, value);
    bytes.insert(bytes.end(), field, field + 4);
}

RecoveryReadResult Refused(MapReadErrorCode code, size_t offset, const std::string& english) {
    RecoveryReadResult result;
    result.error = MakeMapReadError(code, offset, 0, english);
    return result;
}

}  // namespace

std::vector<uint8_t> WriteRecoveryFile(const std::string& mapPath, const MapDocument& document) {
    if (!IsCarriablePath(mapPath)) return {};
    const std::vector<uint8_t> map = WriteBinaryMap(document);
    if (map.empty()) return {};
    std::vector<uint8_t> bytes;
    bytes.reserve(24 + mapPath.size() + map.size());
    bytes.insert(bytes.end(), kMagic, kMagic + sizeof kMagic);
    Append32(bytes, kRecoveryFormatVersion);
    Append32(bytes, static_cast<uint32_t>(mapPath.size()));
    bytes.insert(bytes.end(), mapPath.begin(), mapPath.end());
    Append32(bytes, static_cast<uint32_t>(map.size()));
    bytes.insert(bytes.end(), map.begin(), map.end());
    Append32(bytes, Crc32(bytes.data(), bytes.size()));
    return bytes;
}

RecoveryReadResult ReadRecoveryFile(const uint8_t* data, size_t size) {
    if (size < sizeof kMagic || std::memcmp(data, kMagic, sizeof kMagic) != 0)
        return Refused(MapReadErrorCode::kNotRecoveryCopy, 0, "not a recovery copy");
    if (size < kVersionAt + 4)
        return Refused(MapReadErrorCode::kTruncated, kVersionAt, "format version");
    if (little_endian::Load32(data + kVersionAt) != kRecoveryFormatVersion)
        return Refused(MapReadErrorCode::kNotRecoveryCopy, kVersionAt, "format version");
    if (size < kPathLengthAt + 4)
        return Refused(MapReadErrorCode::kTruncated, kPathLengthAt, "path length");
    const size_t pathLength = little_endian::Load32(data + kPathLengthAt);
    if (pathLength == 0 || pathLength > kMaxRecoveryPathBytes)
        return Refused(MapReadErrorCode::kRecoveryCopyDamaged, kPathLengthAt, "path length");
    // Every length below is checked against the bytes there are before it is added to an
    // offset: no sum can pass the file's size.
    if (size - kPathAt < pathLength) return Refused(MapReadErrorCode::kTruncated, kPathAt, "path");
    const size_t mapLengthAt = kPathAt + pathLength;
    if (size - mapLengthAt < 4)
        return Refused(MapReadErrorCode::kTruncated, mapLengthAt, "map data length");
    const size_t mapLength = little_endian::Load32(data + mapLengthAt);
    const size_t mapAt = mapLengthAt + 4;
    if (size - mapAt < mapLength) return Refused(MapReadErrorCode::kTruncated, mapAt, "map data");
    const size_t checkAt = mapAt + mapLength;
    if (size - checkAt < 4) return Refused(MapReadErrorCode::kTruncated, checkAt, "check value");
    if (size - checkAt > 4)
        return Refused(MapReadErrorCode::kRecoveryCopyDamaged, checkAt + 4, "bytes after the check value");
    if (Crc32(data, checkAt) != little_endian::Load32(data + checkAt))
        return Refused(MapReadErrorCode::kRecoveryCopyDamaged, checkAt, "check value");

    const std::string path(reinterpret_cast<const char*>(data + kPathAt), pathLength);
    if (!IsCarriablePath(path)) return Refused(MapReadErrorCode::kRecoveryCopyDamaged, kPathAt, "path");
    MapReadResult map = ReadBinaryMap(data + mapAt, mapLength);
    if (!map.ok) {
        RecoveryReadResult result;
        result.error = MakeMapReadError(map.error.code, mapAt + map.error.offset, 0,
                                        "map data: " + map.error.description);
        return result;
    }
    if (map.dataFile.bytesAfterComment != 0)
        return Refused(MapReadErrorCode::kRecoveryCopyDamaged,
                       checkAt - map.dataFile.bytesAfterComment, "bytes after the map data");
    RecoveryReadResult result;
    result.ok = true;
    result.mapPath = path;
    result.document = std::move(map.document);
    return result;
}
