// Shared helpers of the palette tests.
#pragma once
#include <string>

#include "core/ChipEntry.h"

namespace palette_test {

// An entry as the "data : " trace line shows it: chipId srcX srcY layer.
inline std::string Describe(const ChipEntry& e) {
    return std::to_string(e.chipId) + " " + std::to_string(e.srcX) + " " +
           std::to_string(e.srcY) + " " + std::to_string(e.layer);
}

}  // namespace palette_test
