// The one place that lists the editing tools: for each, the tool itself, its item of the ツール
// menu, the letter that chooses it and its pointer. The menu, the keys, the menu's radio mark,
// the pointer's shapes and the mouse's routing all come from here, so a new tool is a file
// with its class, a row here and a pointer picture.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "map/core/tools/MapTool.h"

struct ToolRow {
    std::unique_ptr<MapTool> (*make)();
    uint32_t command;      // the menu command, ID_TOOL_... of resource.h
    char key;              // the letter that chooses it, typed without Ctrl
    const char* menuText;  // Shift_JIS; the menu shows it with the letter after it
    int pointer;           // the pointer's cursor resource, IDCUR_... of resource.h
};

// The rows in the menu's order; the first is the tool in hand at start-up.
const std::vector<ToolRow>& ToolRows();
// One object of each tool, in the rows' order.
std::vector<std::unique_ptr<MapTool>> MakeTools();
// The row number of a menu command, or ToolRows().size() when no tool has it.
size_t ToolOfCommand(uint32_t command);
