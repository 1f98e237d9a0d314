// libFuzzer target: the block reader of the clipboard on arbitrary text. A refusal says why;
// an accepted block is consistent and comes back unchanged through the writer.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "map/core/BlockJson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CellBlock block;
    std::string error;
    if (!BlockFromJson(std::string(reinterpret_cast<const char*>(data), size), block, error)) {
        FuzzAssert(!error.empty());
        FuzzAssert(block == CellBlock{});
        return 0;
    }
    FuzzAssert(!block.Unusable() && block.CellCount() <= kMaxMapCells);
    CellBlock again;
    FuzzAssert(BlockFromJson(BlockToJson(block), again, error));
    FuzzAssert(again == block);
    return 0;
}
