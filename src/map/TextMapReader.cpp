// Reader of text map files (.txt), which the editor read number by number with "%d".
#include <cstring>
#include <limits>

#include "Texts.h"
#include "map/MapFileReader.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int32_t ToInt32(uint32_t v) {
    if (v <= static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) {
        return static_cast<int32_t>(v);
    }
    return static_cast<int32_t>(v - 0x80000000u) + std::numeric_limits<int32_t>::min();
}

// Repeated "%d": white space, an optional sign, digits. The first text that is not a
// number stops the scanner for good, as a stream stuck before that text would. Digits
// accumulate in unsigned 32-bit arithmetic, so an overlong number keeps its low 32 bits.
class NumberScanner {
public:
    NumberScanner(const char* text, size_t size) : text_(text), size_(size) {}

    bool Next(int32_t& value) {
        if (stopped_) return false;
        while (pos_ < size_ && IsBlank(text_[pos_])) {
            if (text_[pos_] == '\n') ++line_;
            ++pos_;
        }
        tokenOffset_ = pos_;
        tokenLine_ = line_;
        size_t p = pos_;
        bool negative = false;
        if (p < size_ && (text_[p] == '+' || text_[p] == '-')) negative = text_[p++] == '-';
        if (p >= size_ || !IsDigit(text_[p])) {
            stopped_ = true;
            return false;
        }
        uint32_t magnitude = 0;
        for (; p < size_ && IsDigit(text_[p]); ++p) {
            magnitude = magnitude * 10u + static_cast<uint32_t>(text_[p] - '0');
        }
        pos_ = p;
        value = ToInt32(negative ? 0u - magnitude : magnitude);
        return true;
    }
    // Where the last read began (or stopped), for error messages.
    size_t TokenOffset() const { return tokenOffset_; }
    int32_t TokenLine() const { return tokenLine_; }

private:
    const char* text_;
    size_t size_;
    size_t pos_ = 0;
    int32_t line_ = 1;
    bool stopped_ = false;
    size_t tokenOffset_ = 0;
    int32_t tokenLine_ = 1;
};

// One layer's ids, echoed as the editor printed them: a line break before each new row.
void ReadLayer(NumberScanner& in, size_t cells, uint32_t cellsX, std::vector<uint32_t>& ids,
               std::string* echo) {
    ids.assign(cells, 0);
    for (size_t i = 0; i < cells; ++i) {
        int32_t value = 0;
        if (in.Next(value)) ids[i] = static_cast<uint32_t>(value);
        if (echo) {
            if (i != 0 && i % cellsX == 0) *echo += '\n';
            *echo += std::to_string(ids[i]);
            *echo += ' ';
        }
    }
}

}  // namespace

MapReadResult ReadTextMap(const char* text, size_t size, const TextMapDefaults& defaults,
                          std::string* echo) {
    if (echo) echo->clear();
    NumberScanner in(text, size);
    MapReadResult result;
    MapDocument& doc = result.document;

    int32_t value = 0;
    doc.mapWidth = in.Next(value) ? value : defaults.mapWidth;
    const size_t widthOffset = in.TokenOffset();
    const int32_t widthLine = in.TokenLine();
    doc.mapHeight = in.Next(value) ? value : defaults.mapHeight;
    if (!MapSizeIsAcceptable(doc.mapWidth, doc.mapHeight)) {
        const bool heightAtFault = doc.CellsX() > 0 && doc.CellsY() == 0;
        result.error = MakeMapReadError(
            MapReadErrorCode::kBadSize, heightAtFault ? in.TokenOffset() : widthOffset,
            heightAtFault ? in.TokenLine() : widthLine,
            "map size " + std::to_string(doc.mapWidth) + " x " + std::to_string(doc.mapHeight) +
                " on line " + std::to_string(heightAtFault ? in.TokenLine() : widthLine) +
                " gives " + std::to_string(uint64_t{doc.CellsX()} * doc.CellsY()) +
                " cells; 1 to " + std::to_string(kMaxMapCells) + " are accepted");
        return result;
    }

    const size_t cells = doc.CellCount();
    std::string lines;
    std::string* out = echo ? &lines : nullptr;
    ReadLayer(in, cells, doc.CellsX(), doc.layer2Ids, out);
    if (out) *out += '\n';
    ReadLayer(in, cells, doc.CellsX(), doc.layer1Ids, out);
    if (out) *out += '\n';
    ReadLayer(in, cells, doc.CellsX(), doc.layer0Ids, out);

    doc.startX = in.Next(value) ? value : defaults.startX;
    doc.startY = in.Next(value) ? value : defaults.startY;
    doc.startUnspecified = StartIsUnspecified(doc.startX, doc.startY);

    // A text map has no stage numbers and no comment: the editor gives it these.
    doc.targetTime = 10;
    doc.timeLimit = 300;
    doc.backgroundImage = 0;
    doc.music = 0;
    doc.hasComment = true;
    const char* comment = texts::kTextMapComment;
    doc.comment.assign(comment, comment + std::strlen(comment));

    if (echo) *echo = std::move(lines);
    result.ok = true;
    return result;
}

bool IsTextMapPath(const char* path) {
    if (path == nullptr) return false;
    const char* name = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (*p == '\\' || *p == '/') name = p + 1;
    }
    const char* dot = std::strrchr(name, '.');
    if (dot == nullptr) return false;
    static const char kExtension[] = "txt";
    for (int i = 0; i < 3; ++i) {
        char c = dot[1 + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kExtension[i]) return false;
    }
    return dot[4] == '\0';
}
