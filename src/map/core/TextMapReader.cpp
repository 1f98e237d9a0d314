// Reader of text map files (.txt): white-space separated signed decimal numbers. Every
// number the map needs must be there and be a number; a file that is cut short or holds
// other text is refused whole, never half-read.
#include <cstring>

#include "core/DecimalText.h"
#include "core/LittleEndian.h"
#include "core/Texts.h"
#include "map/core/MapFileReader.h"

namespace {

// A word as a number: one optional sign, then only digits. An overlong number keeps its
// low 32 bits.
bool WordAsNumber(const char* word, size_t length, int32_t& value) {
    const DecimalScan number = ScanDecimal(word, length);
    if (!number.hasDigits || number.length != length) return false;
    value = little_endian::AsInt32(number.low32);
    return true;
}

// The start of a word for a message: printable ASCII as it is, other bytes as \xNN.
std::string Quoted(const char* word, size_t length) {
    constexpr size_t kShown = 16;
    static const char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (size_t i = 0; i < length && i < kShown; ++i) {
        const unsigned char c = static_cast<unsigned char>(word[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    if (length > kShown) out += "...";
    return out + "\"";
}

// Which number the reader wants, named in words only when a message needs it, so that a
// large map's millions of chip ids cost no text.
struct Field {
    const char* name;  // "map width" and the like; null for a chip id
    int layer = 0;
    size_t cell = 0;

    std::string Describe() const {
        if (name != nullptr) return name;
        return "layer " + std::to_string(layer) + " chip id of cell " + std::to_string(cell);
    }
};

// Reads the numbers one by one; the first failure is kept as the reason for refusing.
class NumberReader {
public:
    NumberReader(const char* text, size_t size) : text_(text), size_(size) {}

    bool Next(const Field& field, int32_t& value) {
        while (pos_ < size_ && IsDecimalBlank(text_[pos_])) {
            if (text_[pos_] == '\n') ++line_;
            ++pos_;
        }
        wordOffset_ = pos_;
        wordLine_ = line_;
        if (pos_ == size_) {
            error_ = MakeMapReadError(
                MapReadErrorCode::kTruncated, pos_, line_,
                "file of " + std::to_string(size_) + " bytes ends before the " + field.Describe());
            return false;
        }
        size_t end = pos_;
        while (end < size_ && !IsDecimalBlank(text_[end])) ++end;
        const char* word = text_ + pos_;
        const size_t length = end - pos_;
        pos_ = end;
        if (WordAsNumber(word, length, value)) {
            ++report_.numbersRead;
            report_.endOffset = pos_;
            report_.endLine = line_;
            return true;
        }
        error_ = MakeMapReadError(MapReadErrorCode::kNotANumber, wordOffset_, wordLine_,
                                  Quoted(word, length) + " where the " + field.Describe() +
                                      " belongs is not a number");
        return false;
    }

    // Where the last number began, for a refused size.
    size_t WordOffset() const { return wordOffset_; }
    int32_t WordLine() const { return wordLine_; }
    const MapReadError& Error() const { return error_; }
    TextMapReport Report() const {
        TextMapReport report = report_;
        report.bytesAfter = size_ - report.endOffset;
        return report;
    }

private:
    const char* text_;
    size_t size_;
    size_t pos_ = 0;
    int32_t line_ = 1;
    size_t wordOffset_ = 0;
    int32_t wordLine_ = 1;
    MapReadError error_;
    TextMapReport report_;  // the numbers taken so far
};

bool ReadLayer(NumberReader& in, int layer, size_t cells, std::vector<uint32_t>& ids) {
    ids.assign(cells, 0);
    for (size_t i = 0; i < cells; ++i) {
        int32_t value = 0;
        if (!in.Next(Field{nullptr, layer, i}, value)) return false;
        ids[i] = static_cast<uint32_t>(value);
    }
    return true;
}

// The ids as the editor prints them while reading: each as an unsigned decimal and a space,
// a line break before every new map row and after layers 2 and 1.
std::string EchoOf(const MapDocument& doc) {
    std::string echo;
    const uint32_t cellsX = doc.CellsX();
    const std::vector<uint32_t>* layers[3] = {&doc.layer2Ids, &doc.layer1Ids, &doc.layer0Ids};
    for (int k = 0; k < 3; ++k) {
        if (k > 0) echo += '\n';
        const std::vector<uint32_t>& ids = *layers[k];
        for (size_t i = 0; i < ids.size(); ++i) {
            if (i != 0 && i % cellsX == 0) echo += '\n';
            echo += std::to_string(ids[i]);
            echo += ' ';
        }
    }
    return echo;
}

MapReadResult Refuse(MapReadError error, const NumberReader& in, const char* text, size_t size) {
    // A map data file opened under a text map's name: say so, so that it is renamed rather
    // than taken for lost.
    if (ReadBinaryMap(reinterpret_cast<const uint8_t*>(text), size).ok) {
        error.description += "; the file is a valid map data file: give it a name ending in .bin";
        error.messageSjis += "\r\n";
        error.messageSjis += texts::kTextMapIsMapDataFile;
    }
    MapReadResult result;
    result.error = std::move(error);
    result.textMap = in.Report();
    return result;
}

}  // namespace

MapReadResult ReadTextMap(const char* text, size_t size, std::string* echo) {
    if (echo) echo->clear();
    NumberReader in(text, size);
    MapReadResult result;
    MapDocument& doc = result.document;

    if (!in.Next(Field{"map width"}, doc.mapWidth)) return Refuse(in.Error(), in, text, size);
    const size_t widthOffset = in.WordOffset();
    const int32_t widthLine = in.WordLine();
    if (!in.Next(Field{"map height"}, doc.mapHeight)) return Refuse(in.Error(), in, text, size);
    if (!MapSizeIsAcceptable(doc.mapWidth, doc.mapHeight)) {
        const bool heightAtFault = doc.CellsX() > 0 && doc.CellsY() == 0;
        const int32_t line = heightAtFault ? in.WordLine() : widthLine;
        return Refuse(
            MakeMapReadError(MapReadErrorCode::kBadSize,
                             heightAtFault ? in.WordOffset() : widthOffset, line,
                             "map size " + std::to_string(doc.mapWidth) + " x " +
                                 std::to_string(doc.mapHeight) + " on line " +
                                 std::to_string(line) + " gives " +
                                 std::to_string(uint64_t{doc.CellsX()} * doc.CellsY()) +
                                 " cells; 1 to " + std::to_string(kMaxMapCells) +
                                 " are accepted"),
            in, text, size);
    }

    const size_t cells = doc.CellCount();
    if (!ReadLayer(in, 2, cells, doc.layer2Ids) || !ReadLayer(in, 1, cells, doc.layer1Ids) ||
        !ReadLayer(in, 0, cells, doc.layer0Ids) || !in.Next(Field{"start x"}, doc.startX) ||
        !in.Next(Field{"start y"}, doc.startY)) {
        return Refuse(in.Error(), in, text, size);
    }
    doc.startUnspecified = StartIsUnspecified(doc.startX, doc.startY);

    // A text map has no stage numbers and no comment: the editor gives it these.
    doc.SetStage(StageNumbers{});
    const char* comment = texts::kTextMapComment;
    doc.comment.assign(comment, comment + std::strlen(comment));

    if (echo) *echo = EchoOf(doc);
    result.textMap = in.Report();
    result.ok = true;
    return result;
}
