// The recovery copy's format: what the writer gives back whole, and every kind of damage
// refused before anything is taken from the file.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "MapFileTestSupport.h"
#include "core/Crc32.h"
#include "map/core/MapFileWriter.h"
#include "map/core/RecoveryFile.h"

namespace {

// ぴこらん\マップ.bin in a folder with a blank, as UTF-8.
const std::string kMapPath =
    "C:\\Users\\designer\\my maps\\\xE3\x81\xB4\xE3\x81\x93\xE3\x82\x89\xE3\x82\x93.bin";

RecoveryReadResult Read(const std::vector<uint8_t>& bytes) {
    return ReadRecoveryFile(bytes.data(), bytes.size());
}

// Puts a right check value on bytes changed on purpose, so that the check after it is the
// one that must refuse them.
void Reseal(std::vector<uint8_t>& bytes) {
    PutI32(bytes, bytes.size() - 4, static_cast<int32_t>(Crc32(bytes.data(), bytes.size() - 4)));
}

// The CRC a bit at a time, as the polynomial defines it.
uint32_t BitwiseCrc32(const std::vector<uint8_t>& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1u) != 0 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return crc ^ 0xFFFFFFFFu;
}

TEST(Crc32, IsTheCheckValueOfZipAndPngAtEveryLength) {
    const char digits[] = "123456789";
    EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(digits), 9), 0xCBF43926u);
    EXPECT_EQ(Crc32(nullptr, 0), 0u);
    // Eight bytes a step and the rest one by one: every length up to a few steps, and every
    // byte value in each place of a step.
    std::vector<uint8_t> bytes;
    for (uint32_t i = 0; i < 300; ++i) {
        EXPECT_EQ(Crc32(bytes.data(), bytes.size()), BitwiseCrc32(bytes)) << bytes.size() << " bytes";
        bytes.push_back(static_cast<uint8_t>(i * 167 + 13));
    }
}

TEST(RecoveryFile, GivesBackThePathAndTheMapAsSaveWritesIt) {
    const MapDocument map = FilledMap(17, 13, 5);
    const std::vector<uint8_t> bytes = WriteRecoveryFile(kMapPath, map);
    const std::vector<uint8_t> mapFile = WriteBinaryMap(map);
    ASSERT_EQ(bytes.size(), 24 + kMapPath.size() + mapFile.size());
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "PICORCV\x1A");
    EXPECT_EQ(I32At(bytes, 8), 1);
    // The map data file inside is byte for byte the one Save writes.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 20 + kMapPath.size(), bytes.end() - 4), mapFile);

    const RecoveryReadResult read = Read(bytes);
    ASSERT_TRUE(read.ok) << read.error.description;
    EXPECT_EQ(read.mapPath, kMapPath);
    EXPECT_EQ(WriteBinaryMap(read.document), mapFile);
}

TEST(RecoveryFile, WritesNothingForAPathOrMapItCannotCarry) {
    const MapDocument map = FilledMap(16, 12);
    EXPECT_TRUE(WriteRecoveryFile("", map).empty());
    EXPECT_TRUE(WriteRecoveryFile("C:\\a\nb.bin", map).empty());
    EXPECT_TRUE(WriteRecoveryFile("C:\\\xFF.bin", map).empty());  // not UTF-8
    EXPECT_TRUE(WriteRecoveryFile(std::string(kMaxRecoveryPathBytes + 1, 'a'), map).empty());
    EXPECT_FALSE(WriteRecoveryFile(std::string(kMaxRecoveryPathBytes, 'a'), map).empty());
    MapDocument noCells = map;
    noCells.mapWidth = 0;
    EXPECT_TRUE(WriteRecoveryFile(kMapPath, noCells).empty());
}

// A copy cut anywhere, or with any one byte changed, is refused: the check value, the lengths
// and the map reader between them leave nothing through.
TEST(RecoveryFile, RefusesEveryCutAndEveryChangedByte) {
    const std::vector<uint8_t> bytes = WriteRecoveryFile("C:\\m.bin", FilledMap(16, 12, 3));
    for (size_t length = 0; length < bytes.size(); ++length) {
        const RecoveryReadResult read = ReadRecoveryFile(bytes.data(), length);
        ASSERT_FALSE(read.ok) << "cut to " << length;
        EXPECT_LE(read.error.offset, length) << "cut to " << length;
    }
    for (size_t at = 0; at < bytes.size(); ++at) {
        std::vector<uint8_t> changed = bytes;
        changed[at] ^= 0x10;
        ASSERT_FALSE(Read(changed).ok) << "byte " << at;
    }
}

struct Damage {
    const char* name;
    void (*apply)(std::vector<uint8_t>& bytes, size_t pathLength);
    MapReadErrorCode code;
    // Where the reader must say the fault is, from the path's length and the copy's size.
    size_t (*offset)(size_t pathLength, size_t size);
};

class RecoveryFileDamage : public ::testing::TestWithParam<Damage> {};

TEST_P(RecoveryFileDamage, IsRefusedWithItsPlace) {
    const std::string path = "C:\\m.bin";
    std::vector<uint8_t> bytes = WriteRecoveryFile(path, FilledMap(16, 12, 3));
    const size_t size = bytes.size();
    GetParam().apply(bytes, path.size());
    const RecoveryReadResult read = Read(bytes);
    ASSERT_FALSE(read.ok);
    EXPECT_EQ(read.error.code, GetParam().code) << read.error.description;
    EXPECT_EQ(read.error.offset, GetParam().offset(path.size(), size)) << read.error.description;
    EXPECT_FALSE(read.error.messageSjis.empty());
}

const Damage kDamages[] = {
    {"AMapDataFile", [](std::vector<uint8_t>& b, size_t) { b = WriteBinaryMap(FilledMap(16, 12)); },
     MapReadErrorCode::kNotRecoveryCopy, [](size_t, size_t) -> size_t { return 0; }},
    {"ALaterFormat", [](std::vector<uint8_t>& b, size_t) { PutI32(b, 8, 2); Reseal(b); },
     MapReadErrorCode::kNotRecoveryCopy, [](size_t, size_t) -> size_t { return 8; }},
    {"NoPath", [](std::vector<uint8_t>& b, size_t) { PutI32(b, 12, 0); },
     MapReadErrorCode::kRecoveryCopyDamaged, [](size_t, size_t) -> size_t { return 12; }},
    {"APathLengthPastTheLimit", [](std::vector<uint8_t>& b, size_t) { PutI32(b, 12, 4097); },
     MapReadErrorCode::kRecoveryCopyDamaged, [](size_t, size_t) -> size_t { return 12; }},
    {"APathLengthPastTheEnd", [](std::vector<uint8_t>& b, size_t) { PutI32(b, 12, 4000); },
     MapReadErrorCode::kTruncated, [](size_t, size_t) -> size_t { return 16; }},
    {"AMapLengthPastTheEnd", [](std::vector<uint8_t>& b, size_t p) { PutI32(b, 16 + p, -1); },
     MapReadErrorCode::kTruncated, [](size_t p, size_t) { return 20 + p; }},
    {"AByteAfterTheCheckValue", [](std::vector<uint8_t>& b, size_t) { b.push_back(0); },
     MapReadErrorCode::kRecoveryCopyDamaged, [](size_t, size_t size) { return size; }},
    {"AWrongCheckValue", [](std::vector<uint8_t>& b, size_t) { b.back() ^= 1; },
     MapReadErrorCode::kRecoveryCopyDamaged, [](size_t, size_t size) { return size - 4; }},
    {"AControlCharacterInThePath", [](std::vector<uint8_t>& b, size_t) { b[18] = '\n'; Reseal(b); },
     MapReadErrorCode::kRecoveryCopyDamaged, [](size_t, size_t) -> size_t { return 16; }},
    // The map reader's own offset, counted from the copy's start: the width field.
    {"AMapTheReaderRefuses", [](std::vector<uint8_t>& b, size_t p) { PutI32(b, 20 + p + 4, 0); Reseal(b); },
     MapReadErrorCode::kBadSize, [](size_t p, size_t) { return 20 + p + 4; }},
};

INSTANTIATE_TEST_SUITE_P(Damages, RecoveryFileDamage, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

// Map data the reader takes but with bytes after its comment, which Save never writes.
TEST(RecoveryFile, RefusesMapDataLongerThanItsComment) {
    const std::string path = "C:\\m.bin";
    std::vector<uint8_t> map = WriteBinaryMap(FilledMap(16, 12, 3));
    map.push_back(0xAB);
    std::vector<uint8_t> bytes = WriteRecoveryFile(path, FilledMap(16, 12, 3));
    bytes.resize(20 + path.size());
    PutI32(bytes, 16 + path.size(), static_cast<int32_t>(map.size()));
    bytes.insert(bytes.end(), map.begin(), map.end());
    bytes.resize(bytes.size() + 4);
    Reseal(bytes);
    const RecoveryReadResult read = Read(bytes);
    ASSERT_FALSE(read.ok);
    EXPECT_EQ(read.error.code, MapReadErrorCode::kRecoveryCopyDamaged);
    EXPECT_EQ(read.error.offset, bytes.size() - 5);
}

}  // namespace
