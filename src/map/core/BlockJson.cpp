#include "map/core/BlockJson.h"

#include <sstream>

#include "map/core/JsonForm.h"
#include "map/core/MapLimits.h"

using namespace jsonform;

namespace {

void ReadBlock(const Json& json, CellBlock& block) {
    ExpectObject(json, Pointer(), "a block", {"columns", "rows", "layers"});
    const int64_t columns = Integer(json["columns"], Pointer("/columns"), "columns", 0, UINT32_MAX);
    const int64_t rows = Integer(json["rows"], Pointer("/rows"), "rows", 0, UINT32_MAX);
    // Checked before any layer is allocated; both factors are below 2^32, so no wrap in 64 bits.
    const uint64_t cells = static_cast<uint64_t>(columns) * static_cast<uint64_t>(rows);
    if (cells < 1 || cells > kMaxMapCells) {
        Refuse(Pointer(columns == 0 || rows != 0 ? "/columns" : "/rows"),
               "block size " + std::to_string(columns) + " x " + std::to_string(rows) + " gives " +
                   std::to_string(cells) + " cells; 1 to " + std::to_string(kMaxMapCells) +
                   " are accepted");
    }
    block.columns = static_cast<uint32_t>(columns);
    block.rows = static_cast<uint32_t>(rows);
    const Json& layers = json["layers"];
    ExpectObject(layers, Pointer("/layers"), "the layers", {"0", "1", "2"});
    const std::string rowsFrom = "\"rows\" is " + std::to_string(rows);
    const std::string columnsFrom = "\"columns\" is " + std::to_string(columns);
    for (int layer = 0; layer < 3; ++layer) {
        const std::string key = std::to_string(layer);
        ReadChipRows(layers[key], Pointer("/layers") / key, block.columns, block.rows, rowsFrom,
                     columnsFrom, block.layers[layer]);
    }
}

}  // namespace

std::string BlockToJson(const CellBlock& block) {
    if (block.Unusable()) return std::string();
    std::ostringstream out;
    out << "{\n";
    out << "  \"columns\": " << block.columns << ",\n";
    out << "  \"rows\": " << block.rows << ",\n";
    out << "  \"layers\": {\n";
    for (int layer = 0; layer < 3; ++layer) {
        WriteChipRows(out, std::to_string(layer), block.layers[layer].data(), block.columns,
                      block.rows, layer == 2);
    }
    out << "  }\n";
    out << "}\n";
    return out.str();
}

bool BlockFromJson(const std::string& text, CellBlock& block, std::string& error) {
    if (text.size() > kMaxBlockTextBytes) {
        error = "the text has " + std::to_string(text.size()) + " bytes; a block is read from at most " +
                std::to_string(kMaxBlockTextBytes);
        return false;
    }
    CellBlock read;
    if (!ReadJson(text, [&read](const Json& json) { ReadBlock(json, read); }, error)) return false;
    block = std::move(read);
    return true;
}
