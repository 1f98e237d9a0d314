// Small helpers for the map file tests: little-endian fields and maps filled with chips.
#pragma once
#include <cstdint>
#include <cstring>
#include <vector>

#include "map/core/MapDocument.h"

inline int32_t I32At(const std::vector<uint8_t>& b, size_t at) {
    const uint32_t u = uint32_t{b.at(at)} | uint32_t{b.at(at + 1)} << 8 |
                       uint32_t{b.at(at + 2)} << 16 | uint32_t{b.at(at + 3)} << 24;
    int32_t v;
    std::memcpy(&v, &u, 4);
    return v;
}

inline void PutI32(std::vector<uint8_t>& b, size_t at, int32_t v) {
    uint32_t u;
    std::memcpy(&u, &v, 4);
    for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<uint8_t>(u >> (8 * i));
}

// A map of cols x rows cells with a different id in every cell of every layer, a specified
// start position, unusual stage numbers and a comment.
inline MapDocument FilledMap(int32_t cols, int32_t rows, uint32_t seed = 1) {
    MapDocument doc;
    doc.mapWidth = cols * 40;
    doc.mapHeight = rows * 40;
    const size_t n = doc.CellCount();
    doc.layer2Ids.resize(n);
    doc.layer1Ids.resize(n);
    doc.layer0Ids.resize(n);
    uint32_t x = seed;
    for (size_t i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        doc.layer2Ids[i] = x >> 8;
        doc.layer1Ids[i] = x % 1000;
        doc.layer0Ids[i] = (x >> 4) % 3 == 0 ? 100 : x % 200;
    }
    doc.startX = 123;
    doc.startY = -7;
    doc.startUnspecified = false;
    doc.targetTime = 5000;
    doc.timeLimit = -1;
    doc.backgroundImage = 7;
    doc.music = 0x12345678;
    const char text[] = "\x83\x52\x83\x81\x83\x93\x83\x67\r\nline 2";
    doc.comment.assign(text, text + sizeof text - 1);
    return doc;
}
