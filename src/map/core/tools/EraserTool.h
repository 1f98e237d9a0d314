// The eraser: the pen with the eraser in hand, whatever chip is in hand. A cell it reaches is
// emptied in all three layers, and a large chip that covers it from a neighbour goes too.
#pragma once
#include "map/core/tools/PenTool.h"

class EraserTool final : public PenTool {
public:
    ToolPointer Pointer(const ChipEntry&) const override { return ToolPointer::kOwn; }

protected:
    ChipEntry ChipOf(const ToolInput&) const override { return kEraserChip; }
};
