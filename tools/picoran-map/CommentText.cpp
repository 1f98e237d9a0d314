#include "CommentText.h"

#include <iconv.h>

#include <cstdio>

#include "ShiftJis.h"

namespace {

// Converters for the whole run: comments are short, and each is reset before use.
class Cp932Decoder {
public:
    Cp932Decoder() : toUtf8_(iconv_open("UTF-8", "CP932")), back_(iconv_open("CP932", "UTF-8")) {}
    ~Cp932Decoder() {
        if (Usable(toUtf8_)) iconv_close(toUtf8_);
        if (Usable(back_)) iconv_close(back_);
    }
    Cp932Decoder(const Cp932Decoder&) = delete;
    Cp932Decoder& operator=(const Cp932Decoder&) = delete;

    // Converts one character of one or two bytes. False when it has no mapping, or when
    // code page 932 maps another code to the same character (it has duplicates, such as
    // NEC's and IBM's copies of some symbols): only the code that converts back is shown
    // as text, so two different comments never show alike.
    bool Character(const uint8_t* bytes, size_t length, std::string& utf8) {
        std::string original(reinterpret_cast<const char*>(bytes), length);
        std::string back;
        return Convert(toUtf8_, original, utf8) && Convert(back_, utf8, back) && back == original;
    }

private:
    iconv_t toUtf8_;
    iconv_t back_;

    static bool Usable(iconv_t cd) { return cd != reinterpret_cast<iconv_t>(-1); }

    static bool Convert(iconv_t cd, const std::string& in, std::string& out) {
        if (!Usable(cd)) return false;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        std::string input = in;  // iconv takes a non-const pointer
        char buffer[16];
        char* inPointer = &input[0];
        char* outPointer = buffer;
        size_t inLeft = input.size();
        size_t outLeft = sizeof buffer;
        if (iconv(cd, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<size_t>(-1) ||
            inLeft != 0) {
            return false;
        }
        out.assign(buffer, outPointer);
        return true;
    }
};

std::string HexEscape(uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

void AppendAscii(uint8_t c, bool quoted, std::string& out) {
    switch (c) {
        case '\\': out += "\\\\"; return;
        case '\r': out += "\\r"; return;
        case '\n': out += "\\n"; return;
        case '\t': out += "\\t"; return;
        case '"':
            out += quoted ? "\\\"" : "\"";
            return;
        default: break;
    }
    if (c < 0x20 || c == 0x7F) {
        out += HexEscape(c);
    } else {
        out += static_cast<char>(c);
    }
}

}  // namespace

std::string EscapedComment(const std::vector<uint8_t>& bytes, bool quoted) {
    static Cp932Decoder decoder;
    std::string out = quoted ? "\"" : "";
    for (size_t i = 0; i < bytes.size();) {
        const uint8_t c = bytes[i];
        if (c < 0x80) {
            AppendAscii(c, quoted, out);
            ++i;
            continue;
        }
        // A lead byte takes the next byte with it; a lead byte at the end stands alone.
        const size_t length = IsShiftJisLeadByte(c) && i + 1 < bytes.size() ? 2 : 1;
        std::string utf8;
        if (decoder.Character(&bytes[i], length, utf8)) {
            out += utf8;
            i += length;
        } else {
            out += HexEscape(c);  // the next byte gets its own chance
            ++i;
        }
    }
    if (quoted) out += '"';
    return out;
}

std::vector<std::string> CommentLines(const std::vector<uint8_t>& bytes) {
    // No trail byte of Shift_JIS is CR or LF, so the bytes can be cut before decoding.
    std::vector<std::string> lines;
    std::vector<uint8_t> line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            lines.push_back(EscapedComment(line, false));
            line.clear();
        } else {
            line.push_back(bytes[i]);
        }
    }
    if (!line.empty() || (!bytes.empty() && lines.empty())) lines.push_back(EscapedComment(line, false));
    return lines;
}
