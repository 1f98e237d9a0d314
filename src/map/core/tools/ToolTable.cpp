#include "map/core/tools/ToolTable.h"

#include "map/core/tools/EraserTool.h"
#include "map/core/tools/FillTool.h"
#include "map/core/tools/LineTool.h"
#include "map/core/tools/PenTool.h"
#include "map/core/tools/RectangleTool.h"
#include "map/core/tools/SelectionTool.h"
#include "map/core/tools/StartTool.h"
#include "map/core/tools/TerrainTool.h"
#include "resource.h"

namespace {

template <typename Tool>
std::unique_ptr<MapTool> Make() {
    return std::make_unique<Tool>();
}

// ペン
constexpr char kPenText[] = "\x83\x79\x83\x93";
// 四角形
constexpr char kRectangleText[] = "\x8e\x6c\x8a\x70\x8c\x60";
// 塗りつぶし
constexpr char kFillText[] = "\x93\x68\x82\xe8\x82\xc2\x82\xd4\x82\xb5";
// 範囲選択
constexpr char kSelectionText[] = "\x94\xcd\x88\xcd\x91\x49\x91\xf0";
// 消しゴム
constexpr char kEraserText[] = "\x8f\xc1\x82\xb5\x83\x53\x83\x80";
// 直線
constexpr char kLineText[] = "\x92\xbc\x90\xfc";
// 地形
constexpr char kTerrainText[] = "\x92\x6e\x8c\x60";
// スタート位置
constexpr char kStartText[] = "\x83\x58\x83\x5e\x81\x5b\x83\x67\x88\xca\x92\x75";

}  // namespace

const std::vector<ToolRow>& ToolRows() {
    static const std::vector<ToolRow> rows = {
        {Make<PenTool>, ID_TOOL_PEN, 'B', kPenText, IDCUR_PEN},
        {Make<RectangleTool>, ID_TOOL_RECTANGLE, 'P', kRectangleText, IDCUR_RECTANGLE},
        {Make<FillTool>, ID_TOOL_FILL, 'F', kFillText, IDCUR_FILL},
        {Make<SelectionTool>, ID_TOOL_SELECTION, 'R', kSelectionText, IDCUR_SELECTION},
        {Make<EraserTool>, ID_TOOL_ERASER, 'E', kEraserText, IDCUR_ERASER},
        {Make<LineTool>, ID_TOOL_LINE, 'L', kLineText, IDCUR_LINE},
        {Make<TerrainTool>, ID_TOOL_TERRAIN, 'T', kTerrainText, IDCUR_TERRAIN},
        {Make<StartTool>, ID_TOOL_START, 'I', kStartText, IDCUR_START},
    };
    return rows;
}

std::vector<std::unique_ptr<MapTool>> MakeTools() {
    std::vector<std::unique_ptr<MapTool>> tools;
    for (const ToolRow& row : ToolRows()) tools.push_back(row.make());
    return tools;
}

size_t ToolOfCommand(uint32_t command) {
    const std::vector<ToolRow>& rows = ToolRows();
    size_t i = 0;
    while (i < rows.size() && rows[i].command != command) ++i;
    return i;
}
