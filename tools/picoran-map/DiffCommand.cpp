// diff: every difference between two maps as the editor reads them, one line each.
#include <algorithm>
#include <ostream>

#include "CommandLine.h"
#include "Commands.h"
#include "MapLoading.h"
#include "MapText.h"

namespace {

class Differences {
public:
    explicit Differences(std::ostream& out) : out_(out) {}
    void Value(const std::string& name, const std::string& a, const std::string& b) {
        if (a == b) return;
        out_ << name << ": " << a << " -> " << b << "\n";
        found_ = true;
    }
    bool Found() const { return found_; }
    std::ostream& Line() {
        found_ = true;
        return out_;
    }

private:
    std::ostream& out_;
    bool found_ = false;
};

std::string IdText(bool present, uint32_t id) { return present ? std::to_string(id) : "none"; }

// Cells are matched by column and row. A cell only one map has is listed when it holds a chip
// ("none" on the other side); empty ones are covered by the size line. Walks each row only as
// far as the wider of the two maps reaches there, so the work stays within both maps' cells.
void CompareLayer(const MapDocument& a, const MapDocument& b, int32_t layer, Differences& diff) {
    const std::vector<uint32_t>& idsA = LayerIds(a, layer);
    const std::vector<uint32_t>& idsB = LayerIds(b, layer);
    const uint32_t rows = std::max(a.CellsY(), b.CellsY());
    for (uint32_t row = 0; row < rows; ++row) {
        const uint32_t columnsA = row < a.CellsY() ? a.CellsX() : 0;
        const uint32_t columnsB = row < b.CellsY() ? b.CellsX() : 0;
        for (uint32_t column = 0; column < std::max(columnsA, columnsB); ++column) {
            const bool inA = column < columnsA;
            const bool inB = column < columnsB;
            const uint32_t idA = inA ? idsA[size_t{row} * a.CellsX() + column] : 0;
            const uint32_t idB = inB ? idsB[size_t{row} * b.CellsX() + column] : 0;
            if (inA && inB ? idA == idB : (inA ? idA : idB) == 0) continue;
            diff.Line() << "layer " << layer << ": column " << column << ", row " << row << ": "
                        << IdText(inA, idA) << " -> " << IdText(inB, idB) << "\n";
        }
    }
}

}  // namespace

int RunDiff(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "diff", 2, "name two map files", {}, {}, line, err))
        return kExitTrouble;
    LoadedMap maps[2];
    for (int i = 0; i < 2; ++i)
        if (!LoadMapOrReport(line.operands[i], err, maps[i])) return kExitTrouble;
    const MapDocument& a = maps[0].read.document;
    const MapDocument& b = maps[1].read.document;
    Differences diff(out);
    diff.Value("size", SizeText(a), SizeText(b));
    diff.Value("start position", StartText(a), StartText(b));
    for (int i = 0; i < 4; ++i)
        diff.Value(StageName(i), std::to_string(StageValue(a, i)), std::to_string(StageValue(b, i)));
    diff.Value("comment", CommentText(a), CommentText(b));
    for (int32_t layer = 2; layer >= 0; --layer) CompareLayer(a, b, layer, diff);
    return diff.Found() ? kExitNo : kExitOk;
}
